// StandingPose.cpp -- putting the figure's limbs back in the standing pose scene set-up gives them.
#include "scenes/StandingPose.h"
#include "framework/World.h"

void ResetFigureLegs()
{
    LegRigReset(FigureLegA, 1.1);
    LegRigReset(FigureLegB, 1.1);
    LegRigSetLengths(FigureLegA, 1.6, 1.5);
    LegRigSetLengths(FigureLegB, 1.6, 1.5);
}

void StandFigureLegs()
{
    ResetFigureLegs();
    for (int i = 0; i < 6; i++) LegRigStep(FigureLegB);
    LegRigStep(FigureLegA);
    LegRigStep(FigureLegB);
}

void StandFigureArms()
{
    ArmRigReset(FigureArmA, 1.1);
    ArmRigReset(FigureArmB, 1.1);
    ArmRigSetLengths(FigureArmA, 1.2, 1.0);
    ArmRigSetLengths(FigureArmB, 1.2, 1.0);
    for (int i = 0; i < 6; i++) ArmRigStep(FigureArmB);
    ArmRigStep(FigureArmA);
    ArmRigStep(FigureArmB);
}
