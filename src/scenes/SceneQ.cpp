// SceneQ.cpp -- the letter Q: a green frog ball shoots out its tongue as the figure walks past it.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "framework/Walk.h"
#include "platform/Sound.h"
#include "scenes/MouthBall.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static void DrawFrogBall()
{
    const ColourTriple green = {64, 196, 64};
    DrawMouthBall(green, -4, true, SceneValueC);

    // The tongue grows with the mouth: closed, it is a ball at its root.
    const double tongue = 18.0 * SceneValueC;
    glPushMatrix();
    EnterMouthBallSpace();
    GLUquadric* quadric = NewQuadric();
    SetColour(green);
    glTranslated(-10, -17, -3.8);
    glRotated(90, 0, 1, 0);
    glRotated(45, 0, 0, 1);
    glRotated(-45, 1, 0, 0);
    gluCylinder(quadric, 0.6, 0.6, tongue, 20, 5);
    glTranslated(0, 0, tongue);
    gluSphere(quadric, 0.6, 20, 20);
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

static void WalkAlong()
{
    FigureHeading = 180;
    WalkStep();
    StepFigureLimbs();
}

static void AdvanceSceneQ()
{
    // HeadPhase keeps what another scene left, so the first wait can be shorter or none.
    HeadPhase++;
    if (HeadPhase <= 20) return;
    if (SceneValueB < 820) SceneValueB = static_cast<float>(SceneValueB + 10);
    // Stops and looks at the ball for twelve frames while the frog croaks.
    if (SceneValueB <= 180 || SceneValueB > 300) {
        WalkAlong();
    } else {
        FigureHeading = 100;
    }
    if (SceneValueB == 200) {
        SendSoundCommand("open frosch.wav alias sound");
        SendSoundCommand("play sound");
    }
    if (SceneValueB <= 360) return;
    SceneTick++;
    if (SceneTick <= 40) {
        if (SceneValueC < 0.3) {
            SceneValueC = static_cast<float>(SceneValueC + 0.1);
            if (!CueStarted) {
                RestartCue("open lautq.wav alias sound");
                CueStarted = true;
            }
        }
        return;
    }
    if (!CloseMouthAndFinish()) return;
    FigureHeading = 180;
    FigureX = 4;  // FigureZ only drifts by rounding at heading 180
    PassEnd();
}

void SceneQStartValues()
{
    PlaceFigure(180, 4, 0);
}

void SceneQFrame()
{
    BeginSceneFrame();
    DrawFrogBall();
    DrawFigure();
    EndSceneFrame();
    AdvanceSceneQ();
}
