// SceneI.cpp -- a red creature rises out of the floor and says "i" while the figure walks off at a slant.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/Walk.h"
#include "platform/Sound.h"
#include "scenes/LetterBars.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static float RiseHeight;  // 0 at the start of every pass, up to 11; the head breaks the floor at 5

static void DrawBodyPart(GLUquadric* quadric, double radius)
{
    gluCylinder(quadric, radius, radius, 3, 20, 20);
    gluSphere(quadric, radius, 20, 20);
}

// Drawn on its back (local z points down into the floor, local y towards the viewer), so it hangs
// below its head and rising means moving the whole creature up.
static void DrawCreature()
{
    GLUquadric* quadric = BeginBarProps();
    glTranslated(-5.65, 0, 0);
    glTranslated(0, -20, 5.0 - RiseHeight);

    gluCylinder(quadric, 0.5, 0.5, 3, 20, 20);
    gluSphere(quadric, 0.8, 20, 20);

    SetColour(0, 0, 0);
    glTranslated(-0.4, 1, 0);
    gluSphere(quadric, 0.15, 20, 20);
    glTranslated(0.8, 0, 0);
    gluSphere(quadric, 0.15, 20, 20);
    glTranslated(-0.4, 0, 0.3);
    gluSphere(quadric, 0.1, 20, 20);

    glTranslated(0, -1, -0.3);
    SetColour(196, 64, 64);
    glRotated(5, 0, 1, 0);
    glTranslated(-0.2, 0.05, 2.5);
    DrawBodyPart(quadric, 0.6);
    glRotated(-5, 0, 1, 0);
    glTranslated(0.2, 0.05, 2.5);
    DrawBodyPart(quadric, 0.65);

    EndBarProps(quadric);
}

void SceneIStartValues()
{
    PlaceFigure(114, 0, 0);
}

void SceneIFrame()
{
    BeginSceneFrame();
    DrawCreature();
    DrawFigure();
    EndSceneFrame();

    // Checked before this frame's rise, so "i" follows one frame after the head is through.
    if (RiseHeight > 5 && !CueStarted) {
        SendSoundCommand("open lauti.wav alias sound");
        SendSoundCommand("play sound");
        CueStarted = true;
    }
    if (RiseHeight < 11) {
        RiseHeight = static_cast<float>(RiseHeight + 0.4);
        WalkStep();
        StepFigureLimbs();
        return;
    }
    // Fully risen: hold still for 21 frames, then start over from the beginning.
    SceneTick++;
    if (SceneTick > 20) {
        SceneTick = 0;
        RiseHeight = 0;
        FigureZ = 0;
        FigureX = 0;
        CueStarted = false;
        SendSoundCommand("close sound");
        PassEnd();
    }
}
