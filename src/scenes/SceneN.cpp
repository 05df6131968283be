// SceneN.cpp -- the letter N: the ball flies over the rod field, then a green rod grows out of an angle.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "platform/Sound.h"
#include "scenes/RodField.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static float DropOffset;  // 1.5 while the angle has dropped, in the second half of the ball's flight
static float RodLength;   // the green rod, 0 to 4

static void DrawAngleWithRod(GLUquadric* quadric)
{
    glTranslated(-DropOffset, 10.0 - DropOffset, 4.0 - DropOffset);
    SetColour(32, 32, 32);
    glTranslated(1.5, 0, 1.8);
    gluSphere(quadric, 0.5, 20, 20);
    glTranslated(-1.5, 0, -1.8);

    SetColour(196, 64, 64);
    glRotated(60, 0, 1, 0);
    gluCylinder(quadric, 0.4, 0.4, 5, 20, 20);
    glTranslated(0, 0, 5);
    gluSphere(quadric, 0.4, 20, 20);
    glRotated(-130, 0, 1, 0);
    gluCylinder(quadric, 0.4, 0.4, 5, 20, 20);
    glTranslated(0, 0, 5);
    gluSphere(quadric, 0.4, 20, 20);

    // The green rod; the last move leaves the frame as if it were always 4 long.
    SetColour(64, 128, 64);
    glTranslated(0, 0, -1);
    glRotated(130, 0, 1, 0);
    gluCylinder(quadric, 0.4, 0.4, RodLength, 20, 20);
    glTranslated(0, 0, RodLength);
    gluSphere(quadric, 0.4, 20, 20);
    glTranslated(0, 0, 4.0 - RodLength);

    // The shorter ribbed base.
    glRotated(30, 0, 1, 0);
    glTranslated(5.5, -0.5, -8.5);
    SetColour(64, 64, 64);
    DrawRibbedBase(quadric, 5, 6, 0.6);
}

// The arm lifts, the ball flies its arc and the angle drops half-way; then the second phase is set up.
static void AdvanceFlight()
{
    // SoundLatch is shared and not cleared on entry: left set elsewhere, the arm stays down.
    if (!SoundLatch) {
        ArmRigStep(FigureArmA);
        SoundLatch = true;
    }
    if (SceneValueE == 5) DropOffset = 1.5f;
    if (SceneValueE < 10) {
        SceneValueE = SceneValueE + 1.0;
        return;
    }
    SceneValueE = 0;
    SceneValueF = 0;
    SceneValueD = 0;
    CueStarted = false;
    SoundLatch = false;
    DropOffset = 0;
    SceneTick = 0;
    StandFigureArms();
    SecondCueStarted = true;
}

// The green rod grows, the sound plays, a pause, the rod shrinks, and the pass ends.
static void AdvanceGrowth()
{
    if (!CueStarted) {
        if (RodLength < 4) {
            RodLength = RodLength + 1.0;
        } else {
            CueStarted = true;
            SendSoundCommand("open lautn.wav alias sound");
            SendSoundCommand("play sound");
        }
        return;
    }
    if (SceneTick <= 20) {
        SceneTick = SceneTick + 1;
        return;
    }
    if (RodLength > 0) {
        RodLength = RodLength - 2.0;
        return;
    }
    CueStarted = false;
    SceneTick = 0;
    SendSoundCommand("close sound");
    SecondCueStarted = false;
    PassEnd();
}

void SceneNFrame()
{
    BeginSceneFrame();
    DrawRodFieldSetting(DrawAngleWithRod);
    DrawFigure();
    EndSceneFrame();
    // SecondCueStarted is shared and not cleared on entry: left set elsewhere, the first pass skips the flight.
    if (SecondCueStarted) {
        AdvanceGrowth();
    } else {
        AdvanceFlight();
    }
}
