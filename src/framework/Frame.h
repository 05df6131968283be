// Frame.h -- the pieces every letter scene's frame is built from, and the scene ending.
#pragma once
#include <GL/gl.h>
#include <GL/glu.h>
#include "figures/Figures.h"

// The common frame, in order:
//   BeginSceneFrame           clear, outer push, background picture, camera
//   ... the scene's props ...
//   DrawFigure                the player figure where FigureX, FigureZ, FigureHeading put it
//   EndSceneFrame             stone floor, outer pop, flush, present
//   ... the scene's update ...
void BeginSceneFrame();
// The same without the background picture: the black of the clear colour shows (C, E, G).
void BeginDarkSceneFrame();
// The separate steps, for scenes that do something between them.
void ClearAndPushFrame();
void DrawBackgroundPicture();
void ApplyCamera();
// The figure within its own push and pop, with the given body (DrawFigureBody for most scenes).
void DrawFigure(BodyModel body = DrawFigureBody);
void DrawStoneFloor();
// Outer pop, flush, present.
void PresentSceneFrame();
// DrawStoneFloor then PresentSceneFrame.
void EndSceneFrame();

// One third of a unit along the heading (WalkStep) or against it (WalkStepBack).
void WalkStep();
void WalkStepBack();
// One swing of the figure's limbs as it walks: both legs, then both arms.
void StepFigureLimbs();

// How many passes each scene plays before it hands back to the menu.
int ScenePassLimit(int scene);
// Counts a pass; at the scene's limit switches to the menu and sets it up (the caller's frame goes on).
void PassEnd();

// The mode-change watch: queries "status sound mode" into ModeReply, compares it with PreviousModeReply,
// remembers it, and says whether it changed. onChange (may be null) runs on a change, after the comparison
// and before the reply is remembered, so a scene can restart its recording and ask again.
bool WatchSoundMode(void (*onChange)() = nullptr);

// A whole number from 0 to n - 1 from the program's one random sequence (the same in every run).
int RandomBelow(int n);
