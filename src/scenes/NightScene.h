// NightScene.h -- the night scenery that scenes C and G share: the crescent moon, the sleeper in his bed,
// and how the sleeper stirs while scene C's car is near (SceneCounterC counts the car's passes,
// SceneCounterD places it at x = SceneCounterD - 40).
#pragma once
#include <GL/glu.h>

// Draws the moon from the caller's frame at its centre and leaves that frame at the nose, where the
// night scenes hang the moon's arms; the caller's push and pop cover the moves.
void DrawCrescentMoon(GLUquadric* quadric);

// The capsule bed and its cover, whose near end swells the closer the car is. Moves the caller's frame.
void DrawBedAndCover(GLUquadric* quadric);

// While the car is within 30 units of the middle: the sleeper tosses, the car sound starts once a pass,
// the car's fourth pass starts the letter "c", and its fifth coming starts the count again and poses
// the moon's arms. True when it was the fifth coming.
bool StirAsCarPasses();

// The body alone, lying on its back beside the bed and turned by FigureHeading.
void DrawSleeper();
