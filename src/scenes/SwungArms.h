// SwungArms.h -- the player figure with its arms swung out sideways by HeadPhase (scenes T and U).
#pragma once
#include "figures/Figures.h"

// Legs, arms and the given body in the frame where the caller has placed and turned the figure, like
// DrawPlayerFigure, but with both arms turned out by 38 degrees about x and 90 about the vertical, in
// mirror image, times HeadPhase / 10 (unclamped). The moves around each arm cancel, so legs and body stay.
void DrawPlayerFigureWithArmsSwungOut(BodyModel body);
