// SceneD.cpp -- the figure leans over and walks to a grey post; its head turns red while "d" sounds.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/Walk.h"
#include "platform/Sound.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static void DrawPost()
{
    glPushMatrix();
    glRotated(90, 1, 0, 0);
    GLUquadric* quadric = NewQuadric();
    SetColour(LimbColour);  // the same grey as the legs
    glTranslated(0, 0, 2.35);
    glPushMatrix();
    glTranslated(-5.65, 0, 0);
    glTranslated(0, -4, -10);
    gluCylinder(quadric, 0.5, 0.5, 11, 20, 20);
    glPopMatrix();
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

static void DrawLeaningFigure()
{
    glPushMatrix();
    MoveToFigure();
    glRotated(-45, 0, 0, 1);
    glRotated(FigureHeading, 0, 1, 0);
    DrawPlayerFigure(DrawFigureBody);
    glPopMatrix();
}

// Back to the start line with the arms posed as set-up poses them; the legs keep their phase.
static void RestartWalk()
{
    SendSoundCommand("close sound");
    CueStarted = false;
    FigureZ = -12;
    HeadColour = {90, 64, 64};
    SceneTick = 0;
    StandFigureArms();
    PassEnd();
}

void SceneDStartValues()
{
    PlaceFigure(270, -7, -12);
}

void SceneDFrame()
{
    BeginSceneFrame();
    DrawPost();
    DrawLeaningFigure();
    EndSceneFrame();

    if (FigureZ < 3.6) {
        WalkStep();
        StepFigureLimbs();
        HeadColour = {90, 64, 64};
    } else if (!CueStarted) {
        CueStarted = true;
        SendSoundCommand("open lautd.wav alias sound");
        SendSoundCommand("play sound");
        HeadColour = {196, 0, 0};
    } else {
        SceneTick++;
        if (SceneTick <= 30) {
            HeadColour = {196, 0, 0};
        } else {
            RestartWalk();
        }
    }
}
