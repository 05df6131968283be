// LetterBars.h -- pieces shared by the scenes whose letters are built of thick red bars (U to Z).
#pragma once
#include "framework/Frame.h"

// Push, turn so that local z points down and local y towards the viewer, a red quadric, and the lift
// that puts the letters on the floor. EndBarProps deletes the quadric and pops.
GLUquadric* BeginBarProps();
void EndBarProps(GLUquadric* quadric);

// A red V of two bars 3 long from its upper left end, in the frame BeginBarProps sets up (plus the
// caller's moves); the matrix is left at the V's upper right end.
void DrawBarV(GLUquadric* quadric);

// The player figure with the normal body, lifted to the given hip height and turned by FigureHeading
// plus a full turn, as the menu turns it.
void DrawFigureAtHeight(double height);

// The mode watch's restart of a letter sound that has stopped: close, open it again, play, and ask
// for the mode once more so that the watch remembers "playing".
void RestartLetterRecording(const char* openCommand);
