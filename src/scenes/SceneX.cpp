// SceneX.cpp -- a walker whose legs close into an X comes in; the figure runs away from it.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "framework/Walk.h"
#include "platform/Sound.h"
#include "scenes/LetterBars.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static float StridePhase;   // 0, 2, 4, 6, 8: the legs are closed from 5 on
static float WalkerTravel;  // the walker's centre is at x = WalkerTravel - 22

// One red leg bent at its middle: two bars of 1.5 with balls at the joints.
static void DrawWalkerLeg(GLUquadric* quadric, double across, double angle)
{
    glPushMatrix();
    glTranslated(across, 0, 0);
    glRotated(angle, 0, 1, 0);
    gluCylinder(quadric, 0.3, 0.3, 1.5, 20, 20);
    gluSphere(quadric, 0.3, 20, 20);
    glTranslated(0, 0, 1.5);
    glRotated(-2 * angle, 0, 1, 0);
    gluCylinder(quadric, 0.3, 0.3, 1.5, 20, 20);
    gluSphere(quadric, 0.3, 20, 20);
    glTranslated(0, 0, 1.5);
    gluSphere(quadric, 0.3, 20, 20);
    glPopMatrix();
}

// Twenty grey capsules side by side make a rounded slab standing on the legs.
static void DrawWalkerBody(GLUquadric* quadric)
{
    glPushMatrix();
    SetColour(64, 64, 64);
    glTranslated(0, 0, -1.9);
    for (int capsule = 0; capsule < 20; capsule++) {
        gluCylinder(quadric, 0.5, 0.5, 1.5, 5, 5);
        gluSphere(quadric, 0.5, 20, 20);
        glTranslated(0, 0, 1.5);
        gluSphere(quadric, 0.5, 20, 20);
        glTranslated(0.1, 0, -1.5);
    }
    glPopMatrix();
}

static void DrawHeadPartAt(GLUquadric* quadric, double x, double y, double z, double radius)
{
    glPushMatrix();
    glTranslated(x, y, z);
    gluSphere(quadric, radius, 10, 10);
    glPopMatrix();
}

// The figure's face a third larger, on a finer head sphere: +z is where the walker looks, +y is up.
static void DrawWalkerHead(GLUquadric* quadric)
{
    SetColour(HeadColour);
    gluSphere(quadric, 2.0 / 3, 20, 20);
    DrawHeadPartAt(quadric, 0, -0.4, 2.0 / 15, 7.0 / 15);
    DrawHeadPartAt(quadric, 0, -4.0 / 15, 2.0 / 15, 0.5);

    glPushMatrix();
    glTranslated(0, -8.0 / 15, 0);
    glRotated(90, 1, 0, 0);
    gluCylinder(quadric, 0.4, 7.0 / 15, 2.0 / 3, 10, 10);
    glPopMatrix();

    glPushMatrix();
    glTranslated(0, 0, 19.0 / 30);
    glRotated(75, 1, 0, 0);
    gluCylinder(quadric, 1.0 / 15, 0.1, 0.3, 10, 10);
    glPopMatrix();

    glPushMatrix();
    glTranslated(0, -43.0 / 150, 11.0 / 15);
    glRotated(75, 1, 0, 0);
    gluDisk(quadric, 0, 0.1, 10, 10);
    glPopMatrix();

    SetColour(44, 44, 44);
    glPushMatrix();
    glTranslated(-1.0 / 6, -0.4, 0.55);
    glRotated(90, 1, 0, 0);
    glRotated(90, 0, 1, 0);
    gluCylinder(quadric, 1.0 / 15, 1.0 / 15, 1.0 / 3, 10, 10);
    glPopMatrix();

    glPushMatrix();
    glTranslated(-2.0 / 15, -7.0 / 15, 8.0 / 15);
    glRotated(90, 1, 0, 0);
    glRotated(90, 0, 1, 0);
    gluCylinder(quadric, 1.0 / 15, 1.0 / 15, 4.0 / 15, 10, 10);
    glPopMatrix();

    SetColour(48, 48, 64);
    DrawHeadPartAt(quadric, -0.2, 0, 17.0 / 30, 2.0 / 15);
    DrawHeadPartAt(quadric, 0.2, 0, 17.0 / 30, 2.0 / 15);
}

static void DrawWalker()
{
    const bool closed = StridePhase >= 5;
    GLUquadric* quadric = BeginBarProps();
    glTranslated(WalkerTravel - 23.0, -8.4, -2.8);
    glTranslated(1.5, 0, 2.6);
    glRotated(closed ? 5 : -5, 0, 1, 0);  // it rocks from side to side as it strides
    glPushMatrix();
    glTranslated(-1.5, 0, -2.6);
    SetColour(196, 64, 64);
    // Open, the bends are half a unit apart; closed, they meet and the legs make the X.
    DrawWalkerLeg(quadric, closed ? 0.25 : 0, 30);
    DrawWalkerLeg(quadric, closed ? 1.75 : 2, -30);
    DrawWalkerBody(quadric);
    glPopMatrix();

    glRotated(-90, 1, 0, 0);
    glTranslated(-0.5, 6, 0);
    DrawWalkerHead(quadric);
    glRotated(-90, 0, 1, 0);
    glTranslated(0.3, -2.8, 0.1);
    DrawArm(CompanionArmA, 0, 1.5, 1.55);
    DrawArm(CompanionArmB, 0, 1.5, -1.55);
    EndBarProps(quadric);
}

static void EndXPass()
{
    CueStarted = false;
    SoundLatch = false;
    SecondCueStarted = false;
    SceneTick = 0;
    HeadPhase = 0;
    SceneCounterB = 0;
    WalkerTravel = 0;
    StridePhase = 0;
    SendSoundCommand("close sound");
    PassEnd();
}

// The figure turns away from the viewer's side and backs off at running pace: eleven rounds of rig
// steps a frame.
static void RunStep()
{
    WalkStepBack();
    for (int round = 0; round < 11; round++) {
        StepFigureLimbs();
    }
}

static void AdvanceSceneX()
{
    StridePhase = static_cast<float>(StridePhase + 2.0);
    if (StridePhase >= 10) StridePhase = 0;
    // Until the figure has run, the walker stops at 18; afterwards it goes on to 27.
    if (StridePhase >= 5 && ((WalkerTravel < 18 && !SecondCueStarted) || (WalkerTravel < 27 && SecondCueStarted)))
        WalkerTravel = static_cast<float>(WalkerTravel + 1.0);
    const bool arrived = (WalkerTravel >= 18 && !SecondCueStarted) || (WalkerTravel >= 27 && SecondCueStarted);

    if (!arrived) {
        if (!CueStarted) {
            SendSoundCommand("open lautx.wav alias sound");
            SendSoundCommand("play sound");
            CueStarted = true;
        }
        WatchSoundMode("open lautx.wav alias sound", true);
    } else {
        if (!SoundLatch) {
            RestartCue("open schnell.wav alias sound");
            SoundLatch = true;
        }
        HeadPhase++;
        if (HeadPhase >= 20) {
            FigureHeading = 270;
            SceneTick++;
            if (SceneTick >= 10) SecondCueStarted = true;
            else RunStep();
        }
    }

    if (WalkerTravel >= 27) {
        FigureHeading = 180;
        FigureX = 0;
        SceneCounterB++;
        if (SceneCounterB > 40) EndXPass();
    }
}

void SceneXStartValues()
{
    PlaceFigure(180, 0, 0);
}

void SceneXFrame()
{
    BeginSceneFrame();
    DrawWalker();
    DrawFigureAtHeight(0.75);
    EndSceneFrame();
    AdvanceSceneX();
}
