// SceneP.cpp -- the letter P: a big-headed second figure turns round and lowers its head beside the figure.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "platform/Sound.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static void DrawSecondFigure()
{
    glPushMatrix();
    MoveToFigure(0.75, 5.0);
    // Faces away at SceneTick 0 and comes round 18 degrees a frame.
    glRotated(FigureHeading + (10 - SceneTick) / 10.0 * 180, 0, 1, 0);
    glRotated(10, 0, 0, 1);
    DrawCompanionFigure();
    glPopMatrix();
}

static void AdvanceSceneP()
{
    // The shared counters keep what other scenes left: a finished phase is skipped in the first pass.
    if (SceneCounterB < 30) {
        SceneCounterB++;
        if (SceneCounterB == 6) {
            SendSoundCommand("open kopf.wav alias sound");
            SendSoundCommand("play sound");
        }
        return;
    }
    if (SceneTick < 10) {
        SceneTick++;
        return;
    }
    if (HeadPhase == 4) SendSoundCommand("close sound");
    if (HeadPhase < 10) {
        HeadPhase++;
        return;
    }
    // Sent every closing frame: once the alias is open the open fails and the play goes on.
    SendSoundCommand("open lautp.wav alias sound");
    SendSoundCommand("play sound");
    if (SceneCounterA < 40) {
        SceneCounterA++;
        return;
    }
    SendSoundCommand("close sound");
    SceneTick = 0;
    HeadPhase = 0;
    SceneCounterB = 0;
    SceneCounterA = 0;
    PassEnd();
}

void ScenePStartValues()
{
    PlaceFigure(0, -10, 0);
}

void ScenePFrame()
{
    BeginSceneFrame();
    DrawFigure();
    DrawSecondFigure();
    EndSceneFrame();
    AdvanceSceneP();
}
