// SceneL.cpp -- the letter L: the figure walks left, back and left again to stand beside a red L.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/Walk.h"
#include "platform/Sound.h"
#include "scenes/FloorProps.h"
#include "scenes/Scenes.h"
#include "world/World.h"

static void DrawRoundedRod(GLUquadric* quadric, double length)
{
    gluCylinder(quadric, 0.4, 0.4, length, 20, 20);
    gluSphere(quadric, 0.4, 20, 20);
    glTranslated(0, 0, length);
    gluSphere(quadric, 0.4, 20, 20);
}

// The upright rod and the rod along the floor meet at the prop's corner, far left.
static void DrawLetterProp()
{
    glPushMatrix();
    EnterFloorPropSpace();
    GLUquadric* quadric = NewQuadric();
    SetColour(196, 64, 64);
    glTranslated(-7.5, -20.5, -5.2);
    glRotated(90, 0, 1, 0);
    DrawRoundedRod(quadric, 3);
    glTranslated(0, 0, -3);
    glRotated(90, 0, 1, 0);
    gluCylinder(quadric, 0.4, 0.4, 5, 20, 20);
    glTranslated(0, 0, 5);
    gluSphere(quadric, 0.4, 20, 20);
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

static void WalkWithLimbs(float heading)
{
    // Written on every walking frame, not only when a leg of the walk begins.
    FigureHeading = heading;
    WalkStep();
    StepFigureLimbs();
}

static void AdvanceSceneL()
{
    SceneTick = SceneTick + 1;
    if (SceneTick <= 35) {
        WalkWithLimbs(FigureHeading);
    } else if (SceneTick <= 71) {
        WalkWithLimbs(0);
    } else if (SceneTick <= 121) {
        WalkWithLimbs(180);
    } else if (!CueStarted) {
        // Both legs stopped in one phase, facing right beside the L; the arms keep where they stopped.
        FigureHeading = 0;
        ResetFigureLegs();
        for (int i = 0; i < 10; i++) {
            LegRigStep(FigureLegA);
            LegRigStep(FigureLegB);
        }
        SendSoundCommand("open lautl.wav alias sound");
        SendSoundCommand("play sound");
        CueStarted = true;
    } else if (SceneTick >= 170) {
        CueStarted = false;
        SendSoundCommand("close sound");
        SceneLStartValues();  // back to where the pass began
        StandFigureLegs();
        PassEnd();
    }
}

void SceneLStartValues()
{
    PlaceFigure(180, 0.9f, -2.1f);
    SceneTick = 0;
}

void SceneLFrame()
{
    BeginSceneFrame();
    DrawLetterProp();
    DrawFigure();
    EndSceneFrame();
    AdvanceSceneL();
}
