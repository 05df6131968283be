// SceneJ.cpp -- the figure winds up, says "j" and throws a spinning red hook that flies out in an arc and back.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "platform/Sound.h"
#include "scenes/LetterBars.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static void DrawHookPiece(GLUquadric* quadric, double length)
{
    gluCylinder(quadric, 0.5, 0.5, length, 20, 20);
    gluSphere(quadric, 0.5, 20, 20);
}

// BounceDrop 7.6 puts the hook at the figure's hand; less lifts it and carries it away.
static void DrawHook()
{
    glPushMatrix();
    glTranslated(0, -1.2 - BounceDrop / 2.0, 3.0 * BounceDrop - 12.8);
    GLUquadric* quadric = BeginBarProps();
    glTranslated(-5.65, 0, 0);
    glTranslated(0.6, -19.4, -9.9);
    glRotated(-45, 1, 0, 0);
    glRotated(SpinAngle, 0, 1, 0);
    glScaled(0.5, 0.5, 0.5);
    DrawHookPiece(quadric, 2.5);
    glTranslated(0, 0, 2.5);
    glRotated(-45, 0, 1, 0);
    DrawHookPiece(quadric, 1);
    glTranslated(0, 0, 1);
    glRotated(-45, 0, 1, 0);
    DrawHookPiece(quadric, 1);
    glTranslated(0, 0, 1);
    gluSphere(quadric, 0.5, 20, 20);
    EndBarProps(quadric);
    glPopMatrix();
}

static void StepThrowingArm(int times)
{
    for (int i = 0; i < times; i++) ArmRigStep(FigureArmA);
}

static void WindUp()
{
    if (SceneTick == 5) {
        StepThrowingArm(11);
        RestartCue("open lautj.wav alias sound");
    }
    if (SceneTick == 20) StepThrowingArm(1);
}

// Each landing counts a pass, so the fourth one hands back to the menu.
static void Fly()
{
    BounceDrop = static_cast<float>(BounceDrop + static_cast<double>(BounceSpeed));
    BounceSpeed = static_cast<float>(BounceSpeed + 0.1);
    SpinAngle = static_cast<float>(SpinAngle + 38.0);
    SpinAngle = static_cast<float>(SpinAngle + 4.0);
    if (BounceSpeed == 0) return;  // at the very top the landing is not looked at
    if (BounceDrop > 7.6) {
        BounceDrop = 7.6f;
        BounceSpeed = -1.35f;
        SceneTick = 0;
        SpinAngle = 0;
        PassEnd();
    }
}

void SceneJStartValues()
{
    PlaceFigure(180, -3.5f, -2);
    SpinAngle = 170;
    SceneTick = 100;
    StepThrowingArm(11);
    for (int i = 0; i < 5; i++) ArmRigStep(FigureArmB);
}

void SceneJFrame()
{
    BeginSceneFrame();
    DrawHook();
    DrawFigure();
    EndSceneFrame();

    SceneTick++;
    if (SceneTick <= 20) {
        WindUp();
    } else {
        Fly();
    }
}
