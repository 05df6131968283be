// BodyModels.cpp -- the figure's torso and head with a face, its sinking-head variant, and the
// second figure's body with the big grey head.
#include "figures/Figures.h"
#include "world/World.h"

static void DrawSphereAt(GLUquadric* quadric, double x, double y, double z, double radius)
{
    glPushMatrix();
    glTranslated(x, y, z);
    gluSphere(quadric, radius, 10, 10);
    glPopMatrix();
}

static void DrawNeck(GLUquadric* quadric)
{
    glPushMatrix();
    glTranslated(0, -0.4, 0);
    glRotated(90, 1, 0, 0);
    gluCylinder(quadric, 0.3, 0.35, 0.5, 10, 10);
    glPopMatrix();
}

// Jaw, cheeks, the neck (when asked), nose, lips and eyes, in the head's frame: +z is where the figure
// looks, +y is up. Jaw, cheeks, neck and nose take the colour that is current.
static void DrawFace(GLUquadric* quadric, bool withNeck)
{
    DrawSphereAt(quadric, 0, -0.3, 0.1, 0.35);
    DrawSphereAt(quadric, 0, -0.2, 0.1, 0.375);
    if (withNeck) DrawNeck(quadric);

    glPushMatrix();
    glTranslated(0, 0, 0.475);
    glRotated(75, 1, 0, 0);
    gluCylinder(quadric, 0.05, 0.075, 0.225, 10, 10);
    glPopMatrix();

    glPushMatrix();
    glTranslated(0, -0.215, 0.55);
    glRotated(75, 1, 0, 0);
    gluDisk(quadric, 0, 0.075, 10, 10);
    glPopMatrix();

    SetColour(44, 44, 44);
    glPushMatrix();
    glTranslated(-0.125, -0.3, 0.4125);
    glRotated(90, 1, 0, 0);
    glRotated(90, 0, 1, 0);
    gluCylinder(quadric, 0.05, 0.05, 0.25, 10, 10);
    glPopMatrix();

    glPushMatrix();
    glTranslated(-0.1, -0.35, 0.4);
    glRotated(90, 1, 0, 0);
    glRotated(90, 0, 1, 0);
    gluCylinder(quadric, 0.05, 0.05, 0.2, 10, 10);
    glPopMatrix();

    SetColour(48, 48, 64);
    DrawSphereAt(quadric, -0.15, 0, 0.425, 0.1);
    SetColour(48, 48, 64);
    DrawSphereAt(quadric, 0.15, 0, 0.425, 0.1);
}

// Three tapered bars capped by balls, from hip height up to 1.5 above, then turns into the head's frame
// (facing +z, up +y) at the top of the torso.
static void DrawTorso(GLUquadric* quadric)
{
    glRotated(90, 1, 0, 0);
    SetColour(LimbColour);
    glTranslated(0, 0.1, -1.5);
    gluSphere(quadric, 0.45, 10, 10);
    glTranslated(0, 0.2, 0);
    gluSphere(quadric, 0.45, 10, 10);
    glTranslated(0, 0.2, 0);
    gluSphere(quadric, 0.45, 10, 10);
    glTranslated(0, -0.4, 1.5);
    gluSphere(quadric, 0.4, 10, 10);
    glTranslated(0, 0.2, 0);
    gluSphere(quadric, 0.4, 10, 10);
    glTranslated(0, 0.2, 0);
    gluSphere(quadric, 0.4, 10, 10);

    glTranslated(0, 0, -1.5);
    gluCylinder(quadric, 0.45, 0.4, 1.5, 15, 5);
    glTranslated(0, -0.2, 0);
    gluCylinder(quadric, 0.45, 0.4, 1.5, 15, 5);
    glTranslated(0, -0.2, 0);
    gluCylinder(quadric, 0.45, 0.4, 1.5, 15, 5);

    glRotated(-90, 1, 0, 0);
    glRotated(90, 0, 1, 0);
}

// sinkPhase 0 is the normal head; the variant sinks it forward by HeadPhase / 10.
static void DrawBodyWithHead(double sinkPhase)
{
    glPushMatrix();
    GLUquadric* quadric = NewQuadric();
    DrawTorso(quadric);
    glTranslated(-0.2, 1.2, 0);
    if (sinkPhase != 0) {
        glTranslated(0, -1.2 * sinkPhase, 0.9 * sinkPhase);
        glRotated(90 * sinkPhase, 1, 0, 0);
    }
    // The menu's figure answers with its head: a nod bows it, a shake turns it. Upright, nothing is added, so
    // every other frame is drawn exactly as before.
    if (FigureHeadPitch != 0) glRotated(FigureHeadPitch, 1, 0, 0);
    if (FigureHeadYaw != 0) glRotated(FigureHeadYaw, 0, 1, 0);
    SetColour(HeadColour);
    gluSphere(quadric, 0.5, 10, 10);
    DrawFace(quadric, true);
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

void DrawFigureBody()
{
    DrawBodyWithHead(0);
}

void DrawFigureBodyVariant()
{
    DrawBodyWithHead(HeadPhase / 10.0);
}

void DrawCompanionBody()
{
    const double p = HeadPhase / 10.0;
    const double q = (10 - HeadPhase) / 10.0;
    glPushMatrix();
    GLUquadric* quadric = NewQuadric();
    DrawTorso(quadric);

    SetColour(64, 64, 64);
    glPushMatrix();
    glTranslated(-0.2, 1.2, 0);
    DrawNeck(quadric);  // the neck stays on the body while the head travels
    glPopMatrix();

    glTranslated(0, 0, 2.1);
    glTranslated(-0.2, 1.2, 0);
    glTranslated(0, 1.9 * q, -2.2 * q);
    glScaled(4, 4, 4);
    glRotated(120 * p, 1, 0, 0);
    SetColour(128, 128, 128);
    gluSphere(quadric, 0.5, 20, 20);
    DrawFace(quadric, false);
    gluDeleteQuadric(quadric);
    glPopMatrix();
}
