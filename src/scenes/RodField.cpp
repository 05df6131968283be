// RodField.cpp -- the setting scenes M and N share: the flickering blue rod field and the grey ball.
#include "scenes/RodField.h"
#include <cmath>
#include "figures/Figures.h"
#include "scenes/FloorProps.h"
#include "world/Random.h"
#include "world/World.h"

static void DrawRods(GLUquadric* quadric)
{
    for (int i = 0; i < 21; i++) {
        const int top = RandomBelow(5);
        const int base = RandomBelow(5);
        gluCylinder(quadric, base / 10.0 + 0.4, top / 10.0 + 0.4, 16, 20, 20);
        gluSphere(quadric, 0.4, 20, 20);
        glTranslated(0, 0, 16);
        gluSphere(quadric, 0.4, 20, 20);
        // Each rod lies one behind the other; the frame keeps the last step for the prop.
        glTranslated(0, -0.8, -16);
    }
}

static void DrawArcBall(GLUquadric* quadric)
{
    glPushMatrix();
    SetColour(64, 64, 64);
    glTranslated(3 - (2 * std::fabs(4.0 - SceneValueE) - 8) - SceneValueD, 18.0 - SceneValueE, 16.0 - SceneValueE);
    gluSphere(quadric, 0.4, 20, 20);
    glPopMatrix();
}

void DrawRodFieldSetting(void (*drawProp)(GLUquadric* quadric))
{
    glPushMatrix();
    EnterFloorPropSpace();
    GLUquadric* quadric = NewQuadric();
    SetColour(0, 128, 196);
    glTranslated(-7.5, -20.5, -5.2);
    glRotated(90, 0, 1, 0);
    DrawRods(quadric);
    DrawArcBall(quadric);
    drawProp(quadric);
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

static void DrawRibs(GLUquadric* quadric, int count, double across)
{
    for (int i = 0; i < count; i++) {
        glTranslated(-0.33, 0, across);
        gluCylinder(quadric, 0.4, 0.4, 5, 20, 20);
    }
}

void DrawRibbedBase(GLUquadric* quadric, int outwards, int back, double across)
{
    DrawRibs(quadric, outwards, across);
    glTranslated(0, 0, across);
    DrawRibs(quadric, back, -across);
}
