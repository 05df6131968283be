// Figures.h -- the limb and body models drawn from the rigs, and the figure assembly.
#pragma once
#include <GL/gl.h>
#include <GL/glu.h>
#include "figures/Rigs.h"

// A quadric filled with smooth normals, as every model draws them; delete it with gluDeleteQuadric.
GLUquadric* NewQuadric();
// glColor3ub of the low bytes.
void SetColour(const ColourTriple& colour);
void SetColour(int red, int green, int blue);

void DrawArm(const ArmRig& rig, double x, double y, double z);
void DrawLeg(const LegRig& rig);

void DrawFigureBody();
// The normal body whose head sinks forward and tips over as HeadPhase grows.
void DrawFigureBodyVariant();
// The second figure's body: a big grey head that comes down in front as HeadPhase grows.
void DrawCompanionBody();

using BodyModel = void (*)();
// Legs, arms and body in the frame where the caller has placed and turned the figure.
void DrawFigureAssembly(const LegRig& legA, const ArmRig& armA, const LegRig& legB, const ArmRig& armB,
                        BodyModel body);
// The player figure's rigs with the given body.
void DrawPlayerFigure(BodyModel body);
// The second figure's rigs with DrawCompanionBody.
void DrawCompanionFigure();
