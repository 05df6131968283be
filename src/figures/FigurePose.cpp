// FigurePose.cpp -- the figure's standing pose as scene set-up gives it, and where the figure stands.
#include "figures/FigurePose.h"
#include "figures/Figures.h"
#include "world/World.h"

static void ResetLegs(LegRig& legA, LegRig& legB)
{
    LegRigReset(legA, 1.1);
    LegRigReset(legB, 1.1);
    LegRigSetLengths(legA, 1.6, 1.5);
    LegRigSetLengths(legB, 1.6, 1.5);
}

static void ResetArms(ArmRig& armA, ArmRig& armB)
{
    ArmRigReset(armA, 1.1);
    ArmRigReset(armB, 1.1);
    ArmRigSetLengths(armA, 1.2, 1.0);
    ArmRigSetLengths(armB, 1.2, 1.0);
}

void ResetFigureLegs()
{
    ResetLegs(FigureLegA, FigureLegB);
}

void StandFigureLegs()
{
    ResetFigureLegs();
    for (int i = 0; i < 6; i++) LegRigStep(FigureLegB);
    LegRigStep(FigureLegA);
    LegRigStep(FigureLegB);
}

void StandFigureLegsInStep()
{
    ResetFigureLegs();
    LegRigStep(FigureLegA);
    LegRigStep(FigureLegB);
}

void ResetFigureArms()
{
    ResetArms(FigureArmA, FigureArmB);
}

void StandFigureArms()
{
    ResetFigureArms();
    for (int i = 0; i < 6; i++) ArmRigStep(FigureArmB);
    ArmRigStep(FigureArmA);
    ArmRigStep(FigureArmB);
}

void StandCompanion()
{
    ResetArms(CompanionArmA, CompanionArmB);
    for (int i = 0; i < 11; i++) {
        ArmRigStep(CompanionArmA);
        ArmRigStep(CompanionArmB);
    }
    ResetLegs(CompanionLegA, CompanionLegB);
    LegRigStep(CompanionLegA);
    LegRigStep(CompanionLegB);
}

void PlaceFigure(float heading, float x, float z)
{
    FigureHeading = heading;
    FigureX = x;
    FigureZ = z;
}

void MoveToFigure(double height, double besideX)
{
    glTranslated(FigureX + besideX, height, FigureZ - 8);
}

void DrawFigureAtHeight(double height)
{
    glPushMatrix();
    MoveToFigure(height);
    glRotated(FigureHeading + 360.0, 0, 1, 0);
    DrawPlayerFigure(DrawFigureBody);
    glPopMatrix();
}
