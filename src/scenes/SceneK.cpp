// SceneK.cpp -- the letter K: a jointed prop walks beside the figure and folds into a K.
#include <cmath>
#include <numbers>
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/Walk.h"
#include "platform/Sound.h"
#include "scenes/FloorProps.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static float WalkDistance;  // how far the figure has walked in this pass; the prop travels with it

// Stays put in the lower right of the view: it is drawn before the camera moves.
static void DrawFixedBall()
{
    GLUquadric* quadric = NewQuadric();
    SetColour(64, 64, 64);
    glPushMatrix();
    glTranslated(4.7, -4.4, -20);
    gluSphere(quadric, 0.5, 20, 20);
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

static void DrawRodWithKnob(GLUquadric* quadric, double length)
{
    gluCylinder(quadric, 0.2, 0.2, length, 20, 20);
    glTranslated(0, 0, length);
    gluSphere(quadric, 0.2, 20, 20);
    glTranslated(0, 0, -length);
}

// One fixed pose per fold step t: the fan loses three rods a step, a new rod grows by a third of 4, and
// the prop turns a third of a quarter turn and moves a third of the way towards the viewer.
static void DrawFoldingProp()
{
    const int t = SceneTick;
    glPushMatrix();
    EnterFloorPropSpace();
    GLUquadric* quadric = NewQuadric();
    SetColour(196, 64, 64);
    glTranslated(WalkDistance + 0.6 + 0.9 - 15, -20.5, -9.1);
    if (t > 0) glTranslated(t * 0.1 / 3, 4 * t / 3.0, 0);
    glRotated(90, 0, 1, 0);
    if (t > 0) glRotated(-90 * t / 3.0, 0, 1, 0);

    // The long rod with rounded ends.
    gluCylinder(quadric, 0.2, 0.2, 2.5, 20, 20);
    gluSphere(quadric, 0.2, 20, 20);
    glTranslated(0, 0, 2.5);
    gluSphere(quadric, 0.2, 20, 20);
    glTranslated(0, 0, -1.25);
    glTranslated(0, -0.2, 0);

    // The fan from the middle; each rod is long enough to reach the same straight line.
    SetColour(128, 64, 64);
    glRotated(45, 0, 1, 0);
    for (int i = 1; i <= 90; i++) {
        glRotated(1, 0, 1, 0);
        if (i % 10 == 1 && (t == 0 || 30 * t <= i)) {
            gluCylinder(quadric, 0.2, 0.2, 1 / std::sin((i + 45) * std::numbers::pi / 180), 20, 20);
        }
    }
    glRotated(-135, 0, 1, 0);

    if (t > 0) {
        glTranslated(4, 0, 1.25);
        glRotated(-90, 0, 1, 0);
        gluCylinder(quadric, 0.2, 0.2, 4 * t / 3.0, 20, 20);
        glRotated(90, 0, 1, 0);
        glTranslated(-4, 0, -1.25);
    }

    // The two short arms at right angles.
    glTranslated(0, 0.2, 0);
    SetColour(196, 64, 64);
    glRotated(45, 0, 1, 0);
    DrawRodWithKnob(quadric, 1.5);
    glRotated(90, 0, 1, 0);
    DrawRodWithKnob(quadric, 1.5);

    gluDeleteQuadric(quadric);
    glPopMatrix();
}

static void AdvanceSceneK()
{
    if (WalkDistance <= 18) {
        WalkStep();
        LegRigStep(FigureLegA);
        LegRigStep(FigureLegB);
        ArmRigStep(FigureArmB);
        WalkDistance = WalkDistance + std::cos(FigureHeading * std::numbers::pi / 180) / 3.0;
        return;
    }
    if (!CueStarted) {
        for (int i = 0; i < 10; i++) ArmRigStep(FigureArmA);
        CueStarted = true;
    }
    if (SceneTick < 3) {
        SceneTick = SceneTick + 1;
        return;
    }
    // HeadPhase is shared and not cleared on entry: a value above 1 left by another scene shortens the
    // first pause and skips its sound.
    if (HeadPhase == 1) {
        SendSoundCommand("open lautk.wav alias sound");
        SendSoundCommand("play sound");
    }
    HeadPhase = HeadPhase + 1;
    if (HeadPhase <= 30) return;

    SendSoundCommand("close sound");
    SceneTick = 0;
    HeadPhase = 0;
    CueStarted = false;
    WalkDistance = 0;
    SceneKStartValues();  // back to where the pass began
    ArmRigReset(FigureArmA, 1.1);
    ArmRigSetLengths(FigureArmA, 1.2, 1.0);
    ArmRigStep(FigureArmA);
    StandFigureLegs();
    PassEnd();
}

void SceneKStartValues()
{
    PlaceFigure(0, -23.1f, -3.1f);
}

void SceneKFrame()
{
    ClearAndPushFrame();
    DrawBackgroundPicture();
    DrawFixedBall();
    ApplyCamera();
    DrawFoldingProp();
    DrawFigure();
    EndSceneFrame();
    AdvanceSceneK();
}
