// SceneT.cpp -- the letter T: the figure spreads rod arms, tips its head and jumps spinning, a T at each landing.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "platform/Sound.h"
#include "scenes/Scenes.h"
#include "scenes/SwungArms.h"
#include "world/World.h"

// Straight rods, rebuilt from a reset every frame so they never swing; they grow with HeadPhase.
static void RebuildRodArms()
{
    ArmRigReset(FigureArmA, 1.1);
    ArmRigReset(FigureArmB, 1.1);
    ArmRigSetLengths(FigureArmA, 1.5 + HeadPhase / 10.0, 0.01);
    ArmRigSetLengths(FigureArmB, 1.5 + HeadPhase / 10.0, 0.01);
    for (int i = 0; i < 14; i++) {
        ArmRigStep(FigureArmA);
        ArmRigStep(FigureArmB);
    }
    // After the steps: a cycle wrap inside them puts the scale back to 1, the full arm.
    FigureArmA.Scale = 1.3;
    FigureArmB.Scale = 1.3;
}

static void DrawJumpingFigure()
{
    // Lower as BounceDrop grows, and a full turn for every 7.5 of it.
    MoveToFigure(5.75 - BounceDrop / 1.5);
    glRotated(BounceDrop * 360.0 / 7.5 + FigureHeading, 0, 1, 0);
    DrawPlayerFigureWithArmsSwungOut(DrawFigureBodyVariant);
}

static void AdvanceSceneT()
{
    // Never lowered here: the next scene that reads HeadPhase finds 10.
    if (HeadPhase < 10) HeadPhase++;
    SceneTick++;
    if (SceneTick > 30) {
        BounceDrop = static_cast<float>(BounceDrop + BounceSpeed);
        BounceSpeed = static_cast<float>(BounceSpeed + 0.2);
        if (BounceDrop > 7.6) {
            BounceDrop = 7.6f;
            // The first contact after entry is silent; each landing after a jump counts a pass.
            if (SceneCounterB == 0 && CueStarted) {
                RestartCue("open lautt.wav alias sound");
                PassEnd();
            }
            // Also after the hand-back, so the menu's click does not follow this scene.
            CueStarted = true;
            SceneCounterB++;
            if (SceneCounterB > 25) {
                BounceSpeed = -1.8f;
                SceneCounterB = 0;
            }
        }
    }
    if (SceneTick > 200) SceneTick = 0;
}

void SceneTStartValues()
{
    PlaceFigure(-90, -10, 0);
    BounceDrop = 7.5f;
}

void SceneTFrame()
{
    BeginSceneFrame();
    glPushMatrix();
    RebuildRodArms();
    DrawJumpingFigure();
    glPopMatrix();
    EndSceneFrame();
    AdvanceSceneT();
}
