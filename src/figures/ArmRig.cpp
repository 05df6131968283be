// ArmRig.cpp -- the arm's 12-step swing and the turn of a point about a centre.
#include <cmath>
#include <numbers>
#include "figures/Rigs.h"

RigPoint RotateAbout(double centreX, double centreZ, double pointX, double pointZ, double angle)
{
    const double t = -angle * std::numbers::pi / 180.0;
    const double dx = pointX - centreX;
    const double dz = pointZ - centreZ;
    return {centreX + std::cos(t) * dx - std::sin(t) * dz, centreZ + std::sin(t) * dx + std::cos(t) * dz};
}

void ArmRigReset(ArmRig& rig, double pace)
{
    if (rig.UpperLength == 0) rig.UpperLength = 100.0;
    if (rig.LowerLength == 0) rig.LowerLength = 90.0;
    rig.Pace = pace;
    rig.Scale = 1.0;
    rig.Colour = {64, 64, 64};
    rig.Root = {0, 0};
    rig.ElbowRest = {0, rig.UpperLength};
    rig.TipRest = {0, rig.UpperLength + rig.LowerLength};
    rig.UpperRising = 1.0;
    rig.LowerRising = 1.0;
    rig.UpperAngle = 0;
    rig.LowerAngle = 85.0;
    rig.StepCount = 0;
    // Elbow and Tip keep their old values until the next step.
}

void ArmRigSetLengths(ArmRig& rig, double upperLength, double lowerLength)
{
    rig.UpperLength = upperLength;
    rig.LowerLength = lowerLength;
    ArmRigReset(rig, rig.Pace);
}

void ArmRigStep(ArmRig& rig)
{
    rig.StepCount++;
    if (rig.StepCount == 12) ArmRigReset(rig, rig.Pace);  // the wrap also drops a scene's tint and scale

    rig.UpperAngle += rig.UpperRising != 0 ? 22.5 : -22.5;
    rig.LowerAngle += rig.LowerRising != 0 ? 25.0 : -25.0;
    if (rig.UpperAngle < -75) {
        rig.UpperRising = 1.0;
        rig.UpperAngle = -150 - rig.UpperAngle;
    }
    if (rig.UpperAngle > 60) {
        rig.UpperRising = 0.0;
        rig.UpperAngle = 120 - rig.UpperAngle;
    }
    // The forearm only turns round at its limits; it may overshoot by a step.
    if (rig.LowerAngle < -5)
        rig.LowerRising = 1.0;
    else if (rig.LowerAngle > 145)
        rig.LowerRising = 0.0;
    if (rig.LowerAngle < rig.UpperAngle) rig.LowerAngle = rig.UpperAngle;  // the elbow never bends backwards

    rig.Elbow = RotateAbout(rig.Root.X, rig.Root.Z, rig.ElbowRest.X, rig.ElbowRest.Z, rig.UpperAngle);
    const RigPoint hand = {rig.Elbow.X, rig.Elbow.Z + rig.TipRest.Z - rig.ElbowRest.Z};
    rig.Tip = RotateAbout(rig.Elbow.X, rig.Elbow.Z, hand.X, hand.Z, rig.LowerAngle);
}
