// RodField.h -- the setting scenes M and N share: the flickering blue rod field and the grey ball.
#pragma once
#include <GL/gl.h>
#include <GL/glu.h>

// Draws, in its own push and pop, the 21 blue rods (each with two fresh random radii, so the field
// flickers every frame) and the grey ball at its place on the arc (SceneValueE, sunk by SceneValueD),
// then calls drawProp with the same quadric in the frame the rod loop leaves: local x up, local y
// towards the viewer, local z along the scene's +x.
void DrawRodFieldSetting(void (*drawProp)(GLUquadric* quadric));

// The grey ribbed base under the props: rods of length 5, each 0.33 lower along local x than the one
// before, the first outwards rods stepping by across along local z, then the rest stepping back.
void DrawRibbedBase(GLUquadric* quadric, int outwards, int back, double across);
