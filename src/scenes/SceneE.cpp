// SceneE.cpp -- the moon-coloured figure flies up to the moon, tumbling, to "flug", then hangs there for "e".
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "platform/Sound.h"
#include "scenes/NightScene.h"
#include "scenes/Scenes.h"
#include "world/World.h"

// How high the figure has risen on its flight; only this scene reads it, and it rewrites it from the start.
static float FigureLift = 0;

void SceneEFrame()
{
    BeginDarkSceneFrame();
    glPushMatrix();
    GLUquadric* quadric = NewQuadric();

    glPushMatrix();
    glTranslated(-21, 10, -40);
    // the figure takes the moon's colour, whatever set-up gave it
    HeadColour = {196, 196, 128};
    LimbColour = {196, 196, 128};
    FigureArmA.Colour = {196, 196, 128};
    FigureArmB.Colour = {196, 196, 128};
    DrawCrescentMoon(quadric);
    glPopMatrix();

    // 120 frames of flight towards the moon, then it stays where it got to
    const int t = SceneTick;
    if (t < 120) {
        FigureX = static_cast<float>((-22.0 * t) / 120);
        FigureZ = static_cast<float>((-27.8 * t) / 120);
        FigureLift = static_cast<float>((8.2 * t) / 120);
    }
    MoveToFigure(0.75 + FigureLift);
    glRotated(FigureHeading, 0, 1, 0);
    if (t < 120) {
        glRotated(static_cast<double>(-85 * t) / 120, 0, 0, 1);
        glRotated(static_cast<double>(30 * t) / 120, 1, 0, 0);
    } else {
        glRotated(-85, 0, 0, 1);
        glRotated(30, 1, 0, 0);
    }
    DrawPlayerFigure(DrawFigureBody);
    gluDeleteQuadric(quadric);
    glPopMatrix();
    EndSceneFrame();

    SceneTick++;
    if (SceneTick < 120) {
        if (!SoundLatch) {
            SendSoundCommand("open flug.wav alias sound");
            SendSoundCommand("play sound");
            SoundLatch = true;
        }
    } else if (!CueStarted) {
        CueStarted = true;
        RestartCue("open laute.wav alias sound");
    } else if (SceneTick > 180) {
        SendSoundCommand("close sound");
        CueStarted = false;
        SoundLatch = false;
        SceneTick = 0;
        PassEnd();
    }
}
