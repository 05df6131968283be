// SceneVW.cpp -- the V tips over, and a second V carried in beside it makes the W (both letters).
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "framework/Walk.h"
#include "platform/Sound.h"
#include "scenes/LetterBars.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static float TipSpeed;       // how fast the first V tips over
static bool TipDone;         // the first V has reached 60 degrees
static bool SecondVShown;    // the figure has fetched the second V
static bool SecondVPlaced;   // the second V stands beside the first
static bool WCueStarted;

static void DrawLetters()
{
    GLUquadric* quadric = BeginBarProps();
    glTranslated(-8, -8.4, -3.8);
    glTranslated(1.5, 0, 2.6);  // the first V's tip, which it tips over about

    glPushMatrix();
    glRotated(-SceneValueA, 0, 1, 0);
    glTranslated(-1.5, 0, -2.6);
    DrawBarV(quadric);
    glPopMatrix();

    if (SecondVShown) {
        // Carried, it hangs just ahead of the figure; placed, its right end meets the first V's left end.
        glTranslated(SecondVPlaced ? -4.5 : FigureX + 8.0, 0, -2.6);
        DrawBarV(quadric);
    }
    EndBarProps(quadric);
}

// Eleven leg steps a frame: within the twelve-step cycle the legs walk one step backwards.
static void BackAway()
{
    WalkStepBack();
    for (int round = 0; round < 11; round++) {
        LegRigStep(FigureLegA);
        LegRigStep(FigureLegB);
    }
}

static void EndVWPass()
{
    SecondVPlaced = false;
    WCueStarted = false;
    CueStarted = false;
    SoundLatch = false;
    SecondCueStarted = false;
    TipDone = false;
    SecondVShown = false;
    SceneTick = 0;
    HeadPhase = 0;
    FigureX = -10;
    SendSoundCommand("close sound");
    TipSpeed = 0;
    PassEnd();
}

// Each step of the story either ends the frame's update or lets the next one run.
static void AdvanceSceneVW()
{
    HeadPhase++;
    if (HeadPhase <= 10) return;

    if (FigureX > -12.5 && !CueStarted) {
        BackAway();
        return;
    }
    CueStarted = true;

    if (SceneValueA < 60 && !TipDone) {
        TipSpeed = static_cast<float>(TipSpeed + 1.0);
        SceneValueA = static_cast<float>(SceneValueA + TipSpeed);
        if (SceneValueA > 60) SceneValueA = 60;
        return;
    }
    TipDone = true;
    if (!SoundLatch) {
        SoundLatch = true;
        // The alias is free: the click that opened the scene and every pass end closed it.
        SendSoundCommand("open lautv.wav alias sound");
        SendSoundCommand("play sound");
    }

    if (FigureX > -23 && !SecondVShown) {
        BackAway();
        return;
    }
    SecondVShown = true;
    if (FigureX < -7 && !SecondCueStarted) {
        WalkStep();
        LegRigStep(FigureLegA);
        LegRigStep(FigureLegB);
        return;
    }
    SecondCueStarted = true;
    if (SceneValueA > 0) SceneValueA = static_cast<float>(SceneValueA - 10.0);

    if (FigureX > -12.5) {
        BackAway();
        return;
    }
    SecondVPlaced = true;
    if (FigureX > -14) {
        BackAway();
        return;
    }
    if (!WCueStarted) {
        WCueStarted = true;
        RestartCue("open lautw.wav alias sound");
        return;
    }
    SceneTick += 2;
    if (SceneTick > 80) EndVWPass();
}

void SceneVWStartValues()
{
    PlaceFigure(0, -10, 0);
    ArmRigStep(FigureArmA);
}

void SceneVWFrame()
{
    BeginSceneFrame();
    DrawLetters();
    DrawFigureAtHeight(0.75);
    EndSceneFrame();
    AdvanceSceneVW();
}
