// LimbModels.cpp -- arms and legs as tapered cylinders and balls, posed by their rigs.
#include "figures/Figures.h"
#include "world/World.h"

GLUquadric* NewQuadric()
{
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    return quadric;
}

void SetColour(int red, int green, int blue)
{
    glColor3ub(static_cast<GLubyte>(red), static_cast<GLubyte>(green), static_cast<GLubyte>(blue));
}

void SetColour(const ColourTriple& colour)
{
    SetColour(colour.R, colour.G, colour.B);
}

void DrawArm(const ArmRig& rig, double x, double y, double z)
{
    glPushMatrix();
    glTranslated(x, y, z);
    glRotated(90, 1, 0, 0);
    glRotated(rig.UpperAngle, 0, 1, 0);

    GLUquadric* upper = NewQuadric();
    SetColour(rig.Colour);
    glScaled(rig.Scale, rig.Scale, rig.Scale);
    gluCylinder(upper, 0.25, 0.2, rig.UpperLength, 20, 5);
    gluDeleteQuadric(upper);

    if (rig.Scale != 1.0) {
        // The short form: a stump with a ball off its side, no forearm and no hand.
        glTranslated(rig.UpperLength, 0, 0);
        GLUquadric* ball = NewQuadric();
        SetColour(rig.Colour);
        gluSphere(ball, 0.25, 20, 5);
        gluDeleteQuadric(ball);
        glPopMatrix();
        return;
    }

    glRotated(-rig.UpperAngle, 0, 1, 0);
    glTranslated(rig.Elbow.X, 0, rig.Elbow.Z);
    glRotated(rig.LowerAngle, 0, 1, 0);
    GLUquadric* forearm = NewQuadric();
    SetColour(rig.Colour);
    gluCylinder(forearm, 0.2, 0.15, rig.LowerLength, 10, 5);
    gluDeleteQuadric(forearm);

    GLUquadric* elbow = NewQuadric();
    SetColour(rig.Colour);
    gluSphere(elbow, 0.2, 10, 10);
    gluDeleteQuadric(elbow);

    GLUquadric* balls = NewQuadric();
    SetColour(rig.Colour);
    glRotated(-rig.LowerAngle, 0, 1, 0);
    glScaled(rig.Scale, rig.Scale, rig.Scale);
    glTranslated(-rig.Elbow.X, 0, -rig.Elbow.Z);  // back at the shoulder
    gluSphere(balls, 0.25, 10, 10);
    glTranslated(rig.Tip.X, 0, rig.Tip.Z);
    gluSphere(balls, 0.15, 10, 10);
    gluDeleteQuadric(balls);
    glPopMatrix();
}

void DrawLeg(const LegRig& rig)
{
    glPushMatrix();
    glRotated(90, 1, 0, 0);
    glRotated(rig.HipAngle, 0, 1, 0);

    GLUquadric* thigh = NewQuadric();
    SetColour(LimbColour);
    gluCylinder(thigh, 0.25, 0.2, rig.ThighLength, 20, 5);
    gluDeleteQuadric(thigh);

    glRotated(-rig.HipAngle, 0, 1, 0);
    glTranslated(rig.Knee.X, 0, rig.Knee.Z);
    glRotated(rig.KneeAngle, 0, 1, 0);
    GLUquadric* shin = NewQuadric();
    SetColour(LimbColour);
    gluCylinder(shin, 0.2, 0.15, rig.ShinLength, 10, 5);
    gluDeleteQuadric(shin);

    GLUquadric* knee = NewQuadric();
    SetColour(LimbColour);
    gluSphere(knee, 0.2, 10, 10);
    gluDeleteQuadric(knee);

    glRotated(-rig.KneeAngle, 0, 1, 0);
    glTranslated(rig.Tip.X - rig.Knee.X, 0, rig.Tip.Z - rig.Knee.Z);  // the ankle
    glRotated(rig.KneeAngle + rig.FootAngle, 0, 1, 0);

    // The foot: three bars side by side, 0.1 apart, with a ball at each end of each.
    GLUquadric* foot = NewQuadric();
    SetColour(LimbColour);
    gluCylinder(foot, 0.15, 0.15, 0.7, 10, 5);
    glTranslated(0, 0.1, 0);
    gluCylinder(foot, 0.15, 0.15, 0.7, 10, 5);
    glTranslated(0, -0.2, 0);
    gluCylinder(foot, 0.15, 0.15, 0.7, 10, 5);
    gluSphere(foot, 0.15, 10, 10);
    glTranslated(0, 0.2, 0);
    gluSphere(foot, 0.15, 10, 10);
    glTranslated(0, -0.1, 0);
    gluSphere(foot, 0.15, 10, 10);
    glTranslated(0, 0, 0.7);
    gluSphere(foot, 0.15, 10, 10);
    glTranslated(0, -0.1, 0);
    gluSphere(foot, 0.15, 10, 10);
    glTranslated(0, 0.2, 0);
    gluSphere(foot, 0.15, 10, 10);
    gluDeleteQuadric(foot);
    glPopMatrix();
}

void DrawFigureAssembly(const LegRig& legA, const ArmRig& armA, const LegRig& legB, const ArmRig& armB,
                        BodyModel body)
{
    glTranslated(0, 0, 0.1);
    DrawLeg(legA);
    DrawArm(armA, 0, 1.5, 0.45);
    glTranslated(0, 0, -0.6);
    DrawLeg(legB);
    DrawArm(armB, 0, 1.5, -0.45);
    body();
}

void DrawPlayerFigure(BodyModel body)
{
    DrawFigureAssembly(FigureLegA, FigureArmA, FigureLegB, FigureArmB, body);
}

void DrawCompanionFigure()
{
    DrawFigureAssembly(CompanionLegA, CompanionArmA, CompanionLegB, CompanionArmB, DrawCompanionBody);
}
