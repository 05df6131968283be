// SceneZ.cpp -- a tilted Z opens until it stands as a proper Z, holds, and closes again.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "platform/Sound.h"
#include "scenes/LetterBars.h"
#include "scenes/Scenes.h"
#include "world/World.h"

// Three small dark balls along a bar, leaving the matrix where it was.
static void DrawThreeDots(GLUquadric* quadric)
{
    SetColour(48, 48, 48);
    glTranslated(0.5, 0, 1);
    gluSphere(quadric, 0.2, 20, 20);
    glTranslated(0, 0, 1);
    gluSphere(quadric, 0.2, 20, 20);
    glTranslated(0, 0, 1);
    gluSphere(quadric, 0.2, 20, 20);
    glTranslated(-0.5, 0, -3);
}

static void DrawTiltingZ()
{
    const float T = TiltAngle;
    GLUquadric* quadric = BeginBarProps();
    glTranslated(-8, -8.4, -3.8);
    glTranslated(1.5, 0, 2.6);
    glPushMatrix();
    glTranslated(-1.5, 0, -3.6);
    SetColour(196, 64, 64);
    glTranslated(-2, 0, -0.5);
    glRotated(45.0 + T, 0, 1, 0);
    glTranslated(2, 0, 0.5);

    gluCylinder(quadric, 0.5, 0.5, 3, 20, 20);  // the upper bar
    gluSphere(quadric, 0.5, 20, 20);
    SetColour(48, 48, 48);
    glTranslated(-1, 0, 0.5);
    gluSphere(quadric, 0.2, 20, 20);
    glTranslated(1, 0, -0.5);

    SetColour(196, 64, 64);
    glTranslated(0, 0, 3);
    glRotated(225, 0, 1, 0);
    gluCylinder(quadric, 0.5, 0.5, 4.24, 20, 20);  // the diagonal
    gluSphere(quadric, 0.5, 20, 20);
    DrawThreeDots(quadric);

    // The lower bar turns back by what the upper one is tilted, so it always lies level.
    SetColour(196, 64, 64);
    glTranslated(0, 0, 4.24);
    gluSphere(quadric, 0.5, 20, 20);
    glRotated(180.0 - T, 0, 1, 0);
    gluCylinder(quadric, 0.5, 0.5, 3, 20, 20);
    DrawThreeDots(quadric);
    SetColour(196, 64, 64);
    glTranslated(0, 0, 3);
    gluSphere(quadric, 0.5, 20, 20);
    glPopMatrix();
    EndBarProps(quadric);
}

static void EndZPass()
{
    SendSoundCommand("close sound");
    SceneTick = 0;
    HeadPhase = 0;
    SceneCounterB = 0;
    CueStarted = false;
    SoundLatch = false;
    PassEnd();
}

// Each step either ends the frame's update or lets the next one run.
static void AdvanceSceneZ()
{
    SceneTick++;
    if (SceneTick == 7 && !CueStarted) {
        // The alias is free: the click that opened the scene and every pass end closed it.
        SendSoundCommand("open lautz.wav alias sound");
        SendSoundCommand("play sound");
        CueStarted = true;
    }
    if (SceneTick <= 30) return;

    // A HeadPhase left by another scene (T leaves 10) skips the opening in the first pass.
    if (TiltAngle < 45 && HeadPhase == 0) {
        TiltAngle = static_cast<float>(TiltAngle + 5.0);
        return;
    }
    if (!SoundLatch) {
        RestartCue("open lautz2.wav alias sound");
        SoundLatch = true;
    }
    HeadPhase++;  // here it counts the frames the open Z is held
    if (HeadPhase <= 40) return;

    if (TiltAngle > 10) {
        TiltAngle = static_cast<float>(TiltAngle - 5.0);
        return;
    }
    SceneCounterB++;  // the rest
    if (SceneCounterB <= 20) return;
    EndZPass();
}

void SceneZStartValues()
{
    PlaceFigure(180, 0, 0);
    TiltAngle = 10;
}

void SceneZFrame()
{
    BeginSceneFrame();
    DrawTiltingZ();
    DrawFigureAtHeight(0.75);
    EndSceneFrame();
    AdvanceSceneZ();
}
