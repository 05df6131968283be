// SceneR.cpp -- the letter R: the big-headed figure lowers its head, and its arms stretch with every R.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "platform/Sound.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static int32_t RepeatWait = 0;   // frames since the R last started
static int32_t ClosingWait = 0;  // frames of the wait after the last R

// Rebuilt from a reset every frame, so the arms' pose follows SceneTick alone.
static void RebuildStretchingArm(ArmRig& arm)
{
    ArmRigReset(arm, 1.1);
    ArmRigSetLengths(arm, 1 + 4.2 * SceneTick / 40, (40 - SceneTick) / 40.0 + 0.01);
}

static void DrawStretchingFigure()
{
    RebuildStretchingArm(CompanionArmA);
    RebuildStretchingArm(CompanionArmB);
    for (int i = 0; i < 12; i++) {
        ArmRigStep(CompanionArmA);
        ArmRigStep(CompanionArmB);
    }
    glPushMatrix();
    MoveToFigure();
    glRotated(10, 0, 0, 1);  // leaning, and never turned by the heading
    DrawCompanionFigure();
    glPopMatrix();
}

static void AdvanceSceneR()
{
    // The shared counters keep what other scenes left: a finished phase is skipped.
    if (SceneCounterB < 30) {
        if (SceneCounterB == 10) {
            SendSoundCommand("open kopfsch.wav alias sound");
            SendSoundCommand("play sound");
        }
        SceneCounterB++;
        return;
    }
    if (HeadPhase < 10) {
        HeadPhase++;
        return;
    }
    if (SceneCounterA < 20) {
        SceneCounterA++;
        if (SceneCounterA == 1) RestartCue("open stuetze.wav alias sound");
        return;
    }
    if (SceneTick < 40) {
        RepeatWait++;
        if (RepeatWait == 20) {
            RepeatWait = 0;
            RestartCue("open lautr.wav alias sound");
            SceneTick += 4;
        }
        return;
    }
    ClosingWait++;
    if (ClosingWait <= 80) return;
    SendSoundCommand("close sound");
    SceneTick = 0;
    HeadPhase = 0;
    SceneCounterB = 0;
    SceneCounterA = 0;
    RepeatWait = 0;
    ClosingWait = 0;
    PassEnd();
}

void SceneRStartValues()
{
    PlaceFigure(0, -10, 0);
}

void SceneRFrame()
{
    BeginSceneFrame();
    DrawStretchingFigure();
    EndSceneFrame();
    AdvanceSceneR();
}
