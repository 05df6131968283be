// SceneH.cpp -- the figure runs at a red bar on two posts, somersaults over it and says "h" behind it.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "framework/Walk.h"
#include "platform/Sound.h"
#include "scenes/LetterBars.h"
#include "scenes/Scenes.h"
#include "scenes/WalkEnd.h"
#include "world/World.h"

static void DrawPostOrBar(GLUquadric* quadric, double x, double z, double turn, double alongX, double alongZ,
                          double radius)
{
    glPushMatrix();
    glTranslated(x, 0, z);
    glRotated(turn, 0, 1, 0);
    glTranslated(alongX, -20, alongZ);
    gluCylinder(quadric, radius, radius, 11, 20, 20);
    glPopMatrix();
}

static void DrawHurdle()
{
    GLUquadric* quadric = BeginBarProps();
    DrawPostOrBar(quadric, -5.65, 0, 0, 0, -10, 0.5);
    DrawPostOrBar(quadric, 5.65, 0, 0, 0, -10, 0.5);
    DrawPostOrBar(quadric, -6.1, -2.5, -90, -2, -11.5, 0.3);
    EndBarProps(quadric);
}

// The jump is worked out from how far the figure has run: up to 6.67 over the bar, then down past the
// floor, turning once head over heels on the way.
static void DrawJumpingFigure()
{
    glPushMatrix();
    MoveToFigure();
    const double z = FigureZ;
    if (z > -12 && z < -9.5) {
        glTranslated(0, (z + 9.5) * -8.0 / 3.0, 0);
    } else if (z > -15 && z <= -12) {
        glTranslated(0, (z + 11.0) * 8.0 / 3.0 + 8.0, 0);
    }
    if (z >= -16 && z < -9.5) glRotated(static_cast<int>((z + 9.5) / 6.0 * 360.0), 1, 0, 0);
    glRotated(FigureHeading, 0, 1, 0);
    DrawPlayerFigure(DrawFigureBody);
    glPopMatrix();
}

// Runs while no stop is counting; at the far end waits 11 frames and starts again from the front.
static void RunOrWaitAtEnd()
{
    if (FigureZ > -29) {
        if (SceneTick == 0) {
            WalkStep();
            StepFigureLimbs();
            WalkStep();
        }
        return;
    }
    if (WaitAfterWalk()) SecondCueStarted = false;
}

// Behind the bar: turn sideways and repeat "h" every 12 frames until the stop has counted past 60.
static void StopBehindBar()
{
    if (!SecondCueStarted) {
        RestartCue("open lauth2.wav alias sound");
        SecondCueStarted = true;
        SceneTick = 1;
        FigureHeading = 180;
    }
    if (SceneTick > 0) SceneTick++;
    if (SceneTick > 60) {
        SceneTick = 0;
        FigureHeading = 90;
        PassEnd();
    }
    if (SceneTick % 12 == 2) RestartCue("open lauth2.wav alias sound");
}

void SceneHFrame()
{
    BeginSceneFrame();
    DrawHurdle();
    DrawJumpingFigure();
    EndSceneFrame();

    RunOrWaitAtEnd();
    if (FigureZ <= -18) {
        StopBehindBar();
    } else if (FigureZ <= -11 && !CueStarted) {
        SendSoundCommand("open lauth.wav alias sound");
        SendSoundCommand("play sound");
        CueStarted = true;
        SceneTick = 0;
    }
}
