// SceneF.cpp -- a smoking red vehicle drives along a green mound and tips over its end while the figure paces.
#include <cmath>
#include <cstdint>
#include <numbers>
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/Walk.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "scenes/Scenes.h"
#include "scenes/Wheels.h"
#include "world/Random.h"
#include "world/World.h"

static float VehiclePos;     // distance driven along the mound, 0 to 40
static float PuffRiseA;      // each smoke ball's height above its funnel
static float PuffRiseB;
static uint32_t CueStartTick;  // when "f" was last started; the tick count wraps, so only differences count

static void DrawSmokeBall(GLUquadric* quadric, float rise)
{
    gluSphere(quadric, 1.5 / (rise / 10.0 + 1), 20, 20);
}

// A ball lives on only while its rise stays within a fresh random height between 10 and 39.
static void RisePuff(float& rise)
{
    rise = static_cast<float>(rise + 0.8);
}

static void MaybeRestartPuff(float& rise)
{
    const int limit = 10 + RandomBelow(30);
    if (limit < rise) rise = 0;
}

static void DrawVehicle(GLUquadric* quadric)
{
    glPushMatrix();
    glTranslated(VehiclePos - 40.0, 6.1, -20);
    glRotated(90, 0, 1, 0);
    const bool tipping = VehiclePos > 30;
    const double tip = (VehiclePos - 30.0) / 10.0 * 90.0;
    if (tipping) glRotated(tip, 1, 0, 0);

    SetColour(196, 0, 0);
    gluCylinder(quadric, 2, 2, 7.9, 20, 20);
    gluSphere(quadric, 2, 20, 20);
    glTranslated(0, 0, 7.9);
    gluSphere(quadric, 2, 20, 20);

    // The funnels hang down from y 5 to the body.
    glTranslated(0, 5, -3.95);
    glRotated(90, 1, 0, 0);
    gluCylinder(quadric, 1.8, 1.8, 5, 20, 20);
    glRotated(-90, 1, 0, 0);
    glTranslated(0, 0, -3.95);
    glRotated(90, 1, 0, 0);
    gluCylinder(quadric, 1.8, 1.8, 5, 20, 20);
    glRotated(-90, 1, 0, 0);

    glTranslated(0, -2.5, 0);
    SetColour(0, 0, 0);
    DrawFourWheels(quadric);

    if (!tipping) {
        glTranslated(0, PuffRiseA + 5.0, 3.95);
        DrawSmokeBall(quadric, PuffRiseA);
        glTranslated(0, static_cast<double>(PuffRiseB) - PuffRiseA, -3.95);
        DrawSmokeBall(quadric, PuffRiseB);
    } else {
        // Undo the tip for the rise, so the smoke still goes straight up while the vehicle falls.
        const double a = tip / 180.0 * std::numbers::pi;
        const double between = static_cast<double>(PuffRiseB) - PuffRiseA;
        glTranslated(0, 9 + PuffRiseA * std::cos(a), 3.95 - PuffRiseA * std::sin(a));
        DrawSmokeBall(quadric, PuffRiseA);
        glTranslated(0, between * std::cos(a), -3.95 - between * std::sin(a));
        DrawSmokeBall(quadric, PuffRiseB);
    }
    RisePuff(PuffRiseA);
    RisePuff(PuffRiseB);
    MaybeRestartPuff(PuffRiseA);
    MaybeRestartPuff(PuffRiseB);
    glPopMatrix();
}

static void DriveOrWait()
{
    if (VehiclePos < 40) {
        VehiclePos = static_cast<float>(VehiclePos + 1.0);
        return;
    }
    SceneTick++;
    if (SceneTick > 80) {
        SceneTick = 0;
        VehiclePos = 0;
        PassEnd();
    }
}

// "f" starts at once and again every 2.5 s: the close frees the alias, the next frame reopens it.
static void KeepSoundGoing()
{
    if (!CueStarted) {
        SendSoundCommand("open lautf.wav alias sound");
        SendSoundCommand("play sound");
        CueStarted = true;
        CueStartTick = TickCount();
    } else if (static_cast<uint32_t>(TickCount() - CueStartTick) > 2500u) {
        SendSoundCommand("close sound");
        CueStarted = false;
    }
}

static void PaceBackAndForth()
{
    WalkStep();
    StepFigureLimbs();
    if (FigureX < -30) {
        FigureHeading = 0;
    } else if (FigureX > 10) {
        FigureHeading = 180;
    }
}

void SceneFStartValues()
{
    PlaceFigure(180, 0, 0);
}

void SceneFFrame()
{
    BeginSceneFrame();
    GLUquadric* quadric = NewQuadric();
    DrawVehicle(quadric);

    // The mound's group also holds the story and the sound, which run before the figure is drawn.
    glPushMatrix();
    SetColour(0, 128, 0);
    glTranslated(-23, -1, -19);
    glRotated(90, 0, 1, 0);
    gluCylinder(quadric, 5, 5, 15, 20, 20);
    glTranslated(0, 0, 15);
    gluSphere(quadric, 5, 20, 20);
    DriveOrWait();
    KeepSoundGoing();
    gluDeleteQuadric(quadric);
    glPopMatrix();

    DrawFigure();
    EndSceneFrame();
    PaceBackAndForth();
}
