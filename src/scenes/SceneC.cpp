// SceneC.cpp -- at night a car drives past the moon and a sleeper again and again; the fourth time it stops for "c".
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "platform/Sound.h"
#include "scenes/NightScene.h"
#include "scenes/Scenes.h"
#include "scenes/Wheels.h"
#include "world/World.h"

// SceneCounterC counts the car's passes and SceneCounterD places it (x = SceneCounterD - 40). Scene G reads
// both and scene C never resets them on entry, so a visit carries on from where the last one stopped.

static void DrawMoonWithArms(GLUquadric* quadric)
{
    glPushMatrix();
    glTranslated(-21, 10, -40);
    DrawCrescentMoon(quadric);
    glTranslated(-1, 0, 1);
    FigureArmA.Colour = {196, 196, 128};
    FigureArmB.Colour = {196, 196, 128};
    glTranslated(-0.2, -1, 0);
    DrawArm(FigureArmA, 0, 1.5, 0.45);
    glTranslated(0, 0, -2);
    DrawArm(FigureArmB, 0, 1.5, -0.45);
    glPopMatrix();
}

// Forward across the scene and round again; on the fourth pass it halts after the letter's cue, waits,
// then backs far out of sight.
static void MoveCar()
{
    if (CueStarted) SceneTick++;
    if (!CueStarted || SceneTick < 10) {
        SceneCounterD++;
        if (SceneCounterD > 70) {
            SceneCounterD = 0;
            SceneCounterC++;
            SoundLatch = false;
        }
    } else {
        if (SceneTick > 50) SceneCounterD--;
        if (SceneCounterD <= -140) {
            SceneCounterD = 0;
            SceneCounterC++;
            SoundLatch = false;
            CueStarted = false;
        }
    }
}

static void DrawCar(GLUquadric* quadric)
{
    glPushMatrix();
    glTranslated(SceneCounterD - 40, 0.6, -20);
    glRotated(90, 0, 1, 0);
    SetColour(196, 0, 0);
    gluCylinder(quadric, 2, 2, 7.9, 20, 20);
    gluSphere(quadric, 2, 20, 20);
    glTranslated(0, 0, 7.9);
    gluSphere(quadric, 2, 20, 20);
    SetColour(196, 196, 196);
    glTranslated(0, 2, -3.95);
    gluSphere(quadric, 2, 20, 20);  // the cab
    glTranslated(0, 0, -3.95);
    DrawFourWheels(quadric);
    MoveCar();
    glPopMatrix();
}

void SceneCStartValues()
{
    for (int i = 0; i < 10; i++) {
        ArmRigStep(FigureArmA);
        ArmRigStep(FigureArmB);
    }
}

void SceneCFrame()
{
    BeginDarkSceneFrame();
    glPushMatrix();
    GLUquadric* quadric = NewQuadric();
    DrawMoonWithArms(quadric);
    DrawCar(quadric);
    DrawBedAndCover(quadric);
    if (StirAsCarPasses()) {
        // the car has come back after the cue: the story is over
        SendSoundCommand("close auto");  // so the next set-up opens the car sound afresh
        PassEnd();
    }
    gluDeleteQuadric(quadric);
    glPopMatrix();
    DrawSleeper();
    EndSceneFrame();
}
