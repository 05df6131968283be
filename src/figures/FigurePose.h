// FigurePose.h -- the figure's standing pose as scene set-up gives it, and where the figure stands.
#pragma once

// Both legs reset to pace 1.1 with their standing lengths, in the same phase.
void ResetFigureLegs();
// The legs as set-up leaves them: reset, the second leg half a cycle ahead, then one step each.
void StandFigureLegs();
// The legs reset and stepped once, both in the same phase.
void StandFigureLegsInStep();
// Both arms reset to pace 1.1 with their standing lengths, in the same phase.
void ResetFigureArms();
// The arms as set-up leaves them: reset, the second arm half a cycle ahead, then one step each.
void StandFigureArms();
// The second figure as set-up leaves it: the arms reset and stepped 11 times, the legs reset and stepped once.
void StandCompanion();

// Puts the figure at (x, z), facing heading degrees.
void PlaceFigure(float heading, float x, float z);
// Moves the matrix to where the figure stands: FigureX (plus besideX), height, FigureZ - 8.
void MoveToFigure(double height = 0.75, double besideX = 0);
// The player figure with the normal body, lifted to the given hip height and turned by FigureHeading
// plus a full turn, as the menu turns it.
void DrawFigureAtHeight(double height);
