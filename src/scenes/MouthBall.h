// MouthBall.h -- the big ball with a mouth that opens and eyes that shrink (scenes O and Q).
#pragma once
#include "figures/Rigs.h"

// The turn and lift the ball and anything fixed to it (Q's tongue) are placed in: a quarter turn about x,
// so local z points down, then 2.35 down to the floor. Call inside your own push.
void EnterMouthBallSpace();

// The whole ball in its own push and pop: a sphere of radius 4 in the skin colour at the far left, the black
// mouth sphere whose radius grows with mouthOpen (clamped to 3.1 above 0.29), and two eyes of radius
// 0.8 / (3 * mouthOpen + 1), eyeDepth along local z. Without pupils the eyes are black (O); with pupils they
// are in the skin colour with a black pupil 0.3 above each (Q), and the second eye sits 0.1 higher.
void DrawMouthBall(const ColourTriple& skin, double eyeDepth, bool pupils, float mouthOpen);

// One frame of the mouth closing by 0.1 in SceneValueC. In single precision it stops just above 0.3 when open,
// so closing takes a fourth step that leaves it near -0.1. False while it closes; true on the frame that finds
// it closed, which also ends the pass's cycle: SceneValueB, SceneTick, HeadPhase and SceneValueC back to 0,
// CueStarted cleared and the sound closed. The caller then counts the pass.
bool CloseMouthAndFinish();
