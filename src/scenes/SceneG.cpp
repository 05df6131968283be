// SceneG.cpp -- a pale crescent with a yellow arm bounces in the dark above a lying, limbless figure.
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "platform/Sound.h"
#include "scenes/NightScene.h"
#include "scenes/Scenes.h"
#include "world/World.h"

// The group falls from rest, bounces at 7.6 below its hanging height and rises again; each bounce says "g".
static void Bounce()
{
    SceneTick++;
    if (SceneTick <= 30) return;  // the first 30 frames of each pass hang still
    BounceDrop = static_cast<float>(BounceDrop + static_cast<double>(BounceSpeed));
    BounceSpeed = static_cast<float>(BounceSpeed + 0.2);
    if (BounceDrop > 7.6) {
        BounceDrop = 7.6f;
        BounceSpeed = -1.8f;
        RestartCue("open lautg.wav alias sound");
    }
}

// The moon of the night scenes with one big yellowish arm, hanging BounceDrop below its height.
static void DrawBouncingGroup(GLUquadric* quadric)
{
    glPushMatrix();
    glTranslated(-21, 10.0 - BounceDrop, -40);
    DrawCrescentMoon(quadric);
    glTranslated(-1, 0, 1);
    // The tint lasts only while the arm is drawn: the figure's arms stay as set-up made them, so the menu's
    // figure is grey again when the scene hands back in the middle of this frame.
    const ColourTriple armColours[2] = {FigureArmA.Colour, FigureArmB.Colour};
    FigureArmA.Colour = {255, 255, 160};
    FigureArmB.Colour = {255, 255, 160};
    glScaled(2, 2, 2);
    glTranslated(0.4, 0.1, 0);
    glRotated(130, 0, 0, 1);
    glTranslated(-1.6, -1.4, 0);
    DrawArm(FigureArmA, 0, 1.5, 0.45);
    FigureArmA.Colour = armColours[0];
    FigureArmB.Colour = armColours[1];
    glPopMatrix();
}

void SceneGFrame()
{
    BeginDarkSceneFrame();
    glPushMatrix();
    GLUquadric* quadric = NewQuadric();

    Bounce();
    if (SceneTick > 200) {
        SceneTick = 0;  // the bounce goes on where it stands into the next pass
        PassEnd();
    }

    DrawBouncingGroup(quadric);
    DrawBedAndCover(quadric);
    // Scene C's car counters stay as C left them (only C moves them): after a visit to C the sleeper
    // keeps tossing here and the car sound starts once.
    StirAsCarPasses();
    gluDeleteQuadric(quadric);
    glPopMatrix();

    DrawSleeper();
    EndSceneFrame();
}
