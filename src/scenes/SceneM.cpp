// SceneM.cpp -- the letter M: a zigzag rises out of the rod field and a ball flies over to it.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "platform/Sound.h"
#include "scenes/RodField.h"
#include "scenes/Scenes.h"
#include "world/World.h"

// Rises with SceneValueF and sinks with SceneValueD along the field's upward axis.
static void DrawZigzag(GLUquadric* quadric)
{
    glTranslated(SceneValueF - 10.0 - SceneValueD, 10, 4);
    SetColour(32, 32, 32);
    glTranslated(2.5, 0, 1);
    gluSphere(quadric, 0.5, 20, 20);
    glTranslated(-2.5, 0, -1);

    SetColour(196, 64, 64);
    const double turns[4] = {90, 225, 90, 225};
    for (double turn : turns) {
        glRotated(turn, 0, 1, 0);
        gluCylinder(quadric, 0.4, 0.4, 5, 20, 20);
        glTranslated(0, 0, 5);
        gluSphere(quadric, 0.4, 20, 20);
    }

    glTranslated(0, -0.5, -5);
    SetColour(64, 64, 64);
    DrawRibbedBase(quadric, 10, 10, 0.333);
}

static void AdvanceSceneM()
{
    if (SceneValueF < 10) {
        SceneValueF = SceneValueF + 1.0;
        return;
    }
    // SoundLatch is shared and not cleared on entry: left set elsewhere, the arm stays down this pass.
    if (!SoundLatch) {
        ArmRigStep(FigureArmA);
        SoundLatch = true;
    }
    if (SceneValueE < 8) {
        SceneValueE = SceneValueE + 1.0;
        return;
    }
    if (!CueStarted) {
        SendSoundCommand("open lautm.wav alias sound");
        SendSoundCommand("play sound");
        CueStarted = true;
    }
    if (SceneValueD < 10) {
        SceneValueD = SceneValueD + 1.0;
        return;
    }
    SceneTick = SceneTick + 1;
    if (SceneTick <= 20) return;

    SendSoundCommand("close sound");
    SceneValueE = 0;
    SceneValueF = 0;
    SceneValueD = 0;
    CueStarted = false;
    SoundLatch = false;
    SceneTick = 0;
    StandFigureArms();
    PassEnd();
}

void SceneMFrame()
{
    BeginSceneFrame();
    DrawRodFieldSetting(DrawZigzag);
    DrawFigure();
    EndSceneFrame();
    AdvanceSceneM();
}
