// SceneB.cpp -- two red balls roll out beside a row of bars and back while the figure waves and "b" sounds.
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "platform/Sound.h"
#include "scenes/Scenes.h"
#include "world/World.h"

// How far the balls have rolled out, 0 to 13; every pass brings them home again, so it outlives visits.
static int32_t BallOffset = 0;

static void DrawBarsAndBalls()
{
    glPushMatrix();
    glRotated(90, 1, 0, 0);
    GLUquadric* quadric = NewQuadric();
    SetColour(LimbColour);
    glTranslated(0, 0, 2.35);

    glPushMatrix();
    glTranslated(-15, -18, -7);
    for (int bar = 0; bar < 20; bar++) {
        gluCylinder(quadric, 0.3, 0.3, 6, 20, 20);
        glTranslated(0, 1, 0);
    }
    glPopMatrix();

    glTranslated(-15, -8, -7);
    glTranslated(0, 0, 6);
    SetColour(196, 64, 64);
    glTranslated(13 - BallOffset, -1.1, -4.5);
    gluSphere(quadric, 1.5, 20, 20);
    glTranslated(0, 0, 2.8);
    gluSphere(quadric, 1.5, 20, 20);

    gluDeleteQuadric(quadric);
    glPopMatrix();
}

void SceneBStartValues()
{
    for (int i = 0; i < 3; i++) ArmRigStep(FigureArmA);
}

void SceneBFrame()
{
    BeginSceneFrame();
    DrawBarsAndBalls();
    DrawFigure();
    EndSceneFrame();

    SceneTick++;
    if (SceneTick < 10) {
        ArmRigStep(FigureArmA);  // the wave
        return;
    }
    if (BallOffset > 10 && !CueStarted) {
        SendSoundCommand("open lautb.wav alias sound");
        SendSoundCommand("play sound");
        CueStarted = true;
    }
    if (BallOffset < 12.5 && SceneTick < 50) {
        BallOffset++;
        return;
    }
    if (SceneTick > 50 && BallOffset > 0) BallOffset--;
    if (SceneTick > 70) {
        SceneTick = 0;
        CueStarted = false;
        for (int i = 0; i < 3; i++) ArmRigStep(FigureArmA);
        SendSoundCommand("close sound");
        PassEnd();
    }
}
