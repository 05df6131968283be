// SceneU.cpp -- the U with its flower and blue balls drops beside the walking figure and rolls away.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/Walk.h"
#include "platform/Sound.h"
#include "scenes/LetterBars.h"
#include "scenes/Scenes.h"
#include "scenes/SwungArms.h"
#include "world/Random.h"
#include "world/World.h"

static float DropSpeed;  // the U's fall speed; keeps growing after the fall, read only while it falls
static float DropDepth;  // how far the U has fallen
static float RollTurns;  // the U's roll in quarter turns

// Stem, centre and eight petals, growing from the current point along local z. The moves are made even
// when the flower is not drawn, so whatever the caller draws next stays in place.
static void DrawFlower(GLUquadric* quadric, bool drawn)
{
    if (drawn) gluCylinder(quadric, 0.2, 0.2, 6, 20, 20);
    SetColour(255, 255, 0);
    glTranslated(0, 0, 6);
    if (drawn) gluSphere(quadric, 1, 20, 20);
    SetColour(255, 255, 255);
    glTranslated(-1, 0, 0);
    if (drawn) gluSphere(quadric, 0.5, 20, 20);
    glTranslated(2, 0, 0);
    if (drawn) gluSphere(quadric, 0.5, 20, 20);
    glTranslated(-1, 0, 0);
    for (int turn = 0; turn < 3; turn++) {
        glRotated(-45, 0, 1, 0);
        glTranslated(1, 0, 0);
        if (drawn) gluSphere(quadric, 0.5, 20, 20);
        glTranslated(-2, 0, 0);
        if (drawn) gluSphere(quadric, 0.5, 20, 20);
        if (turn < 2) glTranslated(1, 0, 0);
    }
}

// One row of blue balls; each draws its own random number, so the balls shimmer from frame to frame.
static void DrawBallRow(GLUquadric* quadric, int balls, double spacing, float rollTurns)
{
    for (int ball = 0; ball < balls; ball++) {
        const int r = RandomBelow(5);
        gluSphere(quadric, (1 - r / 30.0) / (10.0 * rollTurns + 1), 4, 4);
        glTranslated(spacing, 0, 0);
    }
}

static void DrawRollingU(GLUquadric* quadric)
{
    const float R = RollTurns;
    glPushMatrix();
    glTranslated(FigureX + 1.2 + R, -8.4, DropDepth - 7.6);
    // The roll turns about a point one unit along and one unit down from the U's upper left end.
    glTranslated(1, 0, 1);
    glRotated(-90.0 * R, 0, 1, 0);
    glTranslated(-1, 0, -1);
    SetColour(196, 64, 64);
    gluCylinder(quadric, 0.5, 0.5, 2, 20, 20);
    gluSphere(quadric, 0.5, 20, 20);
    glTranslated(0, 0, 2);
    for (int bend = 0; bend < 5; bend++) {
        glRotated(30, 0, 1, 0);
        gluCylinder(quadric, 0.5, 0.5, 1, 20, 20);
        gluSphere(quadric, 0.5, 20, 20);
        glTranslated(0, 0, 1);
    }
    glRotated(30, 0, 1, 0);
    gluCylinder(quadric, 0.5, 0.5, 2, 20, 20);
    gluSphere(quadric, 0.5, 20, 20);
    glTranslated(0, 0, 2);
    gluSphere(quadric, 0.5, 20, 20);

    // The flower rides in the U until the roll has begun; then it lies where the U stood.
    SetColour(64, 196, 64);
    glTranslated(2, 0, -3);
    glRotated(-23, 0, 1, 0);
    DrawFlower(quadric, R < 1);

    glRotated(-23, 0, 1, 0);
    SetColour(64, 128, 255);
    glTranslated(-2.1, -0.8, 3.1);
    DrawBallRow(quadric, 4, 0.6, R);
    glTranslated(-2.4, 0, 1);
    DrawBallRow(quadric, 4, 0.6, R);
    glTranslated(-1.8, 0, 1);
    DrawBallRow(quadric, 2, 0.8, R);
    glPopMatrix();

    glTranslated(FigureX + 6.2, -8.4, DropDepth - 5.5);
    if (R >= 1) {
        SetColour(64, 196, 64);
        glTranslated(-4, -1, 0);
        glRotated(92, 0, 1, 0);
        DrawFlower(quadric, true);
    }
}

// The figure with its arms swung out as far as HeadPhase says: scene T leaves it at 10, every other
// scene that steps it sets it back to 0, so the arms hang as usual unless T came just before.
static void DrawFigureWithSwungArms()
{
    glPushMatrix();
    MoveToFigure();
    glRotated(FigureHeading + 360.0, 0, 1, 0);
    DrawPlayerFigureWithArmsSwungOut(DrawFigureBody);
    glPopMatrix();
}

static void AdvanceSceneU()
{
    if (FigureX < -16) {
        WalkStep();
        LegRigStep(FigureLegA);
        LegRigStep(FigureLegB);
        return;
    }
    DropSpeed = static_cast<float>(DropSpeed + 0.4);
    if (DropDepth < 3) {
        DropDepth = static_cast<float>(DropDepth + DropSpeed);
    } else if (RollTurns < 12) {
        RollTurns = static_cast<float>(RollTurns + 0.5);
    } else {
        if (!CueStarted) {
            SendSoundCommand("open lautu.wav alias sound");
            SendSoundCommand("play sound");
            CueStarted = true;
        }
        SceneTick++;
        if (SceneTick > 40) {
            SendSoundCommand("close sound");
            CueStarted = false;
            SceneTick = 0;
            RollTurns = 0;
            FigureX = -25;
            DropDepth = 0;
            DropSpeed = 0;
            PassEnd();
        }
    }
}

void SceneUStartValues()
{
    PlaceFigure(0, -25, 0);
    ArmRigStep(FigureArmA);
}

void SceneUFrame()
{
    BeginSceneFrame();
    GLUquadric* quadric = BeginBarProps();
    DrawRollingU(quadric);
    EndBarProps(quadric);
    DrawFigureWithSwungArms();
    EndSceneFrame();
    AdvanceSceneU();
}
