// SceneFrame.h -- the steps every letter scene's frame is built from.
#pragma once
#include <GL/gl.h>
#include <GL/glu.h>
#include "figures/Figures.h"

// The common frame, in order:
//   BeginSceneFrame           clear, outer push, background picture, camera
//   ... the scene's props ...
//   DrawFigure                the player figure where FigureX, FigureZ, FigureHeading put it
//   EndSceneFrame             stone floor, outer pop, flush, present
//   ... the scene's advance ...
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
