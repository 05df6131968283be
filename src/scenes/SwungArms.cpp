// SwungArms.cpp -- the player figure with its arms swung out sideways by HeadPhase (scenes T and U).
#include "scenes/SwungArms.h"
#include "world/World.h"

void DrawPlayerFigureWithArmsSwungOut(BodyModel body)
{
    const double p = HeadPhase / 10.0;
    glTranslated(0, 0, 0.1);
    DrawLeg(FigureLegA);
    glRotated(-38 * p, 1, 0, 0);
    glRotated(-90 * p, 0, 1, 0);
    glTranslated(0, 0, -0.4 * p);
    DrawArm(FigureArmA, 0, 1.5, 0.45);
    glTranslated(0, 0, 0.4 * p);
    glRotated(90 * p, 0, 1, 0);
    glRotated(38 * p, 1, 0, 0);

    glTranslated(0, 0, -0.6);
    DrawLeg(FigureLegB);
    glRotated(38 * p, 1, 0, 0);
    glRotated(90 * p, 0, 1, 0);
    glTranslated(0, 0, 0.4 * p);
    DrawArm(FigureArmB, 0, 1.5, -0.45);
    glTranslated(0, 0, -0.4 * p);
    glRotated(-90 * p, 0, 1, 0);
    glRotated(-38 * p, 1, 0, 0);

    body();
}
