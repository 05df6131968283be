// Walk.h -- the figure's walk.
#pragma once

// One third of a unit along the heading (WalkStep) or against it (WalkStepBack).
void WalkStep();
void WalkStepBack();
// One swing of the figure's limbs as it walks: both legs, then both arms.
void StepFigureLimbs();
