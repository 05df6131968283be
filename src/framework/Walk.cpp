// Walk.cpp -- the figure's walk: a step along its heading, and the swing of its limbs.
#include <cmath>
#include <numbers>
#include "figures/Rigs.h"
#include "framework/Walk.h"
#include "world/World.h"

void WalkStep()
{
    const double h = FigureHeading * std::numbers::pi / 180.0;
    FigureX = static_cast<float>(FigureX + std::cos(h) / 3.0);
    FigureZ = static_cast<float>(FigureZ - std::sin(h) / 3.0);
}

void WalkStepBack()
{
    const double h = FigureHeading * std::numbers::pi / 180.0;
    FigureX = static_cast<float>(FigureX - std::cos(h) / 3.0);
    FigureZ = static_cast<float>(FigureZ + std::sin(h) / 3.0);
}

void StepFigureLimbs()
{
    LegRigStep(FigureLegA);
    LegRigStep(FigureLegB);
    ArmRigStep(FigureArmA);
    ArmRigStep(FigureArmB);
}
