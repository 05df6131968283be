// LetterBars.h -- pieces shared by the scenes whose letters are built of thick red bars (U to Z).
#pragma once
#include "figures/FigurePose.h"
#include "figures/Figures.h"

// Push, turn so that local z points down and local y towards the viewer, a red quadric, and the lift
// that puts the letters on the floor. EndBarProps deletes the quadric and pops.
GLUquadric* BeginBarProps();
void EndBarProps(GLUquadric* quadric);

// A red V of two bars 3 long from its upper left end, in the frame BeginBarProps sets up (plus the
// caller's moves); the matrix is left at the V's upper right end.
void DrawBarV(GLUquadric* quadric);
