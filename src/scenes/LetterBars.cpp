// LetterBars.cpp -- pieces shared by the scenes whose letters are built of thick red bars (U to Z).
#include "platform/Sound.h"
#include "scenes/LetterBars.h"
#include "world/World.h"

GLUquadric* BeginBarProps()
{
    glPushMatrix();
    glRotated(90, 1, 0, 0);
    GLUquadric* quadric = NewQuadric();
    SetColour(196, 64, 64);
    glTranslated(0, 0, 2.35);
    return quadric;
}

void EndBarProps(GLUquadric* quadric)
{
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

void DrawBarV(GLUquadric* quadric)
{
    SetColour(196, 64, 64);
    glRotated(30, 0, 1, 0);
    gluCylinder(quadric, 0.5, 0.5, 3, 20, 20);
    gluSphere(quadric, 0.5, 20, 20);
    glTranslated(0, 0, 3);
    glRotated(120, 0, 1, 0);
    gluCylinder(quadric, 0.5, 0.5, 3, 20, 20);
    gluSphere(quadric, 0.5, 20, 20);
    glTranslated(0, 0, 3);
    gluSphere(quadric, 0.5, 20, 20);
}
