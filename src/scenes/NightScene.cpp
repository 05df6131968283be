// NightScene.cpp -- the night scenery that scenes C and G share: moon, bed and cover, the sleeper.
#include "figures/FigurePose.h"
#include "scenes/NightScene.h"
#include <cstdlib>
#include "figures/Figures.h"
#include "platform/Sound.h"
#include "world/World.h"

static int CarX()
{
    return SceneCounterD - 40;
}

static bool CarIsNear()
{
    return CarX() >= -30 && CarX() <= 30;
}

void DrawCrescentMoon(GLUquadric* quadric)
{
    SetColour(196, 196, 128);
    gluSphere(quadric, 5, 60, 60);
    // a black ball of the same size, a little off centre, leaves only the crescent showing
    glTranslated(0.3, 0, 0.1);
    SetColour(0, 0, 0);
    gluSphere(quadric, 5, 60, 60);
    glTranslated(-2.3, 1, 4.1);  // the eye
    SetColour(128, 128, 128);
    gluSphere(quadric, 0.6, 60, 60);
    glTranslated(0.7, -3, -0.9);  // the nose
    SetColour(128, 128, 128);
    gluSphere(quadric, 1, 60, 60);
}

void DrawBedAndCover(GLUquadric* quadric)
{
    glTranslated(-10, -0.5, -10);
    SetColour(255, 255, 255);
    gluCylinder(quadric, 1, 1, 2, 20, 20);
    gluSphere(quadric, 1, 20, 20);
    glTranslated(0, 0, 2);
    gluSphere(quadric, 1, 20, 20);
    glTranslated(1, 1, 0);
    glRotated(90, 0, 1, 0);
    if (CarIsNear()) {
        gluCylinder(quadric, 1.1 + (30 - std::abs(CarX())) / 200.0, 1.1, 5, 20, 20);
    } else {
        gluCylinder(quadric, 1.1, 1.1, 5, 20, 20);
    }
}

bool StirAsCarPasses()
{
    if (!CarIsNear()) return false;
    FigureHeading = static_cast<float>(FigureHeading + (SceneCounterC % 2 != 0 ? 3.0 : -3.0));
    if (!SoundLatch) {
        SendSoundCommand("play auto from 0");
        SoundLatch = true;
    }
    if (SceneCounterC == 3 && CarX() >= -20) {
        if (!CueStarted) {
            CueStarted = true;
            SceneTick = 0;
            ArmRigStep(FigureArmA);
            ArmRigStep(FigureArmB);
            SendSoundCommand("open lautc.wav alias sound");
            SendSoundCommand("play sound");
            SendSoundCommand("stop auto");
        }
        return false;
    }
    if (SceneCounterC != 4) return false;
    SceneCounterC = 0;
    SoundLatch = false;
    CueStarted = false;
    SendSoundCommand("close sound");
    for (int i = 0; i < 11; i++) {
        ArmRigStep(FigureArmA);
        ArmRigStep(FigureArmB);
    }
    return true;
}

void DrawSleeper()
{
    glPushMatrix();
    MoveToFigure();
    glTranslated(-7, 0, 0);
    glRotated(90, 1, 0, 0);
    glRotated(90, 0, 0, 1);
    glRotated(90, 0, 1, 0);
    glRotated(FigureHeading, 0, 1, 0);
    glTranslated(0, 0, 0.1);
    glTranslated(0, 0, -0.6);
    glRotated(5, 1, 0, 0);
    DrawFigureBody();
    glPopMatrix();
}
