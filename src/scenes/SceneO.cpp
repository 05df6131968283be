// SceneO.cpp -- the letter O: two somersaults in place before a red ball whose mouth opens.
#include <cmath>
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "platform/Sound.h"
#include "scenes/MouthBall.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static void DrawSomersaultingFigure()
{
    glPushMatrix();
    MoveToFigure();
    // Up by one unit per 45 degrees to the top of the first turn, then down again.
    glTranslated(0, (360 - std::fabs(360.0 - SceneValueB)) / 45.0, 0);
    glRotated(FigureHeading, 0, 1, 0);
    glRotated(-SceneValueB, 0, 0, 1);
    DrawPlayerFigure(DrawFigureBody);
    glPopMatrix();
}

static void AdvanceSceneO()
{
    // HeadPhase is shared and not cleared on entry, so what another scene left shortens the first wait.
    HeadPhase = HeadPhase + 1;
    if (HeadPhase <= 20) return;

    if (SceneValueB < 720) {
        SceneValueB = SceneValueB + 45.0;
        LegRigStep(FigureLegA);
        LegRigStep(FigureLegB);
    }
    if (SceneValueB <= 360) return;

    SceneTick = SceneTick + 1;
    if (SceneTick <= 20) {
        if (SceneValueC < 0.3) {
            SceneValueC = SceneValueC + 0.1;
            if (!CueStarted) {
                SendSoundCommand("open lauto.wav alias sound");
                SendSoundCommand("play sound");
                CueStarted = true;
            }
        }
        return;
    }
    if (CloseMouthAndFinish()) PassEnd();
}

void SceneOStartValues()
{
    PlaceFigure(180, -3.1f, -2.1f);
    SceneTick = 0;
}

void SceneOFrame()
{
    BeginSceneFrame();
    DrawMouthBall({196, 64, 64}, -2.5, false, SceneValueC);
    DrawSomersaultingFigure();
    EndSceneFrame();
    AdvanceSceneO();
}
