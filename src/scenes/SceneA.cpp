// SceneA.cpp -- the figure walks through a big red A, tumbles over and lies flat while "a" sounds.
#include <cmath>
#include <initializer_list>
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/Walk.h"
#include "platform/Sound.h"
#include "scenes/Scenes.h"
#include "scenes/WalkEnd.h"
#include "world/World.h"

// One bar of the letter: moved into place, turned, moved along its turned axes, then drawn.
static void DrawLetterBar(GLUquadric* quadric, double x, double y, double z, double angle, double axisX,
                          double axisY, double alongY, double alongZ, double length)
{
    glPushMatrix();
    glTranslated(x, y, z);
    glRotated(angle, axisX, axisY, 0);
    glTranslated(0, alongY, alongZ);
    gluCylinder(quadric, 0.3, 0.3, length, 20, 20);
    glPopMatrix();
}

// Two A-shaped faces of bars, 4 apart in depth, joined by short bars up both legs.
static void DrawLetterA()
{
    glPushMatrix();
    glRotated(90, 1, 0, 0);
    GLUquadric* quadric = NewQuadric();
    SetColour(196, 64, 64);
    glTranslated(0, 0, 2.35);
    for (const double depth : {0.0, -4.0}) {
        DrawLetterBar(quadric, -5.65, depth, 0, -35, 0, 1, -20, -10, 11);
        DrawLetterBar(quadric, 5.65, depth, 0, 35, 0, 1, -20, -10, 11);
        DrawLetterBar(quadric, -6.1, depth, -2.5, -90, 0, 1, -20, -10, 7.9);
    }
    for (int i = -1; i <= 3; i++) {
        DrawLetterBar(quadric, 1.04 * i - 3.9, -10, -22.5, -90, 1, 0, 1.5 * i - 20, -14, 4);
        DrawLetterBar(quadric, 3.9 - 1.04 * i, -10, -22.5, -90, 1, 0, 1.5 * i - 20, -14, 4);
    }
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

// The walking figure, dropping and somersaulting forward once it is past the middle of the letter.
static void DrawTumblingFigure()
{
    glPushMatrix();
    MoveToFigure();
    if (FigureZ < -17) {
        glTranslated(0, -2, 0);
    } else if (FigureZ < -16) {
        glTranslated(0, std::trunc(2 * (FigureZ + 16.0)), 0);
    }
    if (FigureZ < -18) {
        glRotated(-90, 1, 0, 0);
    } else if (FigureZ < -9.5) {
        glRotated(std::trunc(45 * (FigureZ + 9.0)), 1, 0, 0);
    }
    glRotated(FigureHeading, 0, 1, 0);
    DrawPlayerFigure(DrawFigureBody);
    glPopMatrix();
}

void SceneAFrame()
{
    BeginSceneFrame();
    DrawLetterA();
    DrawTumblingFigure();
    EndSceneFrame();

    if (FigureZ > -19) {
        // two steps a frame, with one swing of the limbs
        WalkStep();
        StepFigureLimbs();
        WalkStep();
    } else {
        // lying flat: wait, then start again from the front
        if (WaitAfterWalk()) PassEnd();
    }

    if (FigureZ <= -11 && !CueStarted) {
        SendSoundCommand("open lauta.wav alias sound");
        SendSoundCommand("play sound");
        CueStarted = true;
    }
}
