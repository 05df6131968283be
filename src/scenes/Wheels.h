// Wheels.h -- the four wheels under the vehicles of scenes C and F.
#pragma once
#include "figures/Figures.h"

// Four balls of radius 1 at the corners of a 2 by 7.9 rectangle, starting one down and four below
// the current point; the matrix is left at the last wheel.
void DrawFourWheels(GLUquadric* quadric);
