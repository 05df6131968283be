// SceneY.cpp -- a Y glides in along the ground, ever faster, and the figure jumps over it.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "platform/Sound.h"
#include "scenes/LetterBars.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static float GlideTravel;  // the upper left end of the Y's V is at x = GlideTravel - 23

static void DrawGlidingY()
{
    GLUquadric* quadric = BeginBarProps();
    glTranslated(-8, -8.4, -3.8);
    glTranslated(1.5, 0, 2.6);
    glPushMatrix();
    glTranslated(GlideTravel - 16.5, 0, -3.6);
    DrawBarV(quadric);
    // The stem stands upright under the V's tip, so the Y stands on the floor.
    glRotated(30, 0, 1, 0);
    glTranslated(1.5, 0, -4.45);
    gluCylinder(quadric, 0.5, 0.5, 2.1, 20, 20);
    gluSphere(quadric, 0.5, 20, 20);
    glTranslated(0, 0, 2.1);
    gluSphere(quadric, 0.5, 20, 20);
    glPopMatrix();
    EndBarProps(quadric);
}

static void AdvanceSceneY()
{
    if (GlideTravel >= 26) {
        GlideTravel = 0;
        PassEnd();  // the rest of the update still runs, also after the hand-back
    } else {
        GlideTravel = static_cast<float>(GlideTravel + 10.0 / (27.0 - GlideTravel));
    }

    // While the Y is halfway. The cue is never cleared here: in later passes only the watch restarts it.
    if (GlideTravel >= 10 && GlideTravel < 14) {
        if (!CueStarted) {
            SendSoundCommand("open lauty.wav alias sound");
            SendSoundCommand("play sound");
            CueStarted = true;
        }
        WatchSoundMode("open lauty.wav alias sound", true);
    }

    BounceDrop = static_cast<float>(BounceDrop + BounceSpeed);
    BounceSpeed = static_cast<float>(BounceSpeed + 0.25);
    if (BounceSpeed == 0) return;
    if (BounceDrop > 7.6) {
        BounceDrop = 7.6f;
        if (GlideTravel >= 15) BounceSpeed = -1.65f;  // the jump
    }
}

void SceneYStartValues()
{
    PlaceFigure(180, 0, 0);
    BounceDrop = 7.6f;
}

void SceneYFrame()
{
    BeginSceneFrame();
    DrawGlidingY();
    DrawFigureAtHeight(0.75 - BounceDrop + 7.6);
    EndSceneFrame();
    AdvanceSceneY();
}
