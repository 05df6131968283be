// LegRig.cpp -- the leg's 12-step walk cycle: thigh, shin and a rocking foot.
#include "figures/Rigs.h"

void LegRigReset(LegRig& rig, double pace)
{
    if (rig.ThighLength == 0) rig.ThighLength = 100.0;
    if (rig.ShinLength == 0) rig.ShinLength = 90.0;
    rig.Pace = pace;
    rig.Root = {0, 0};
    rig.KneeRest = {0, rig.ThighLength};
    rig.TipRest = {0, rig.ThighLength + rig.ShinLength};
    rig.HipRising = 0.0;
    rig.KneeRising = 0.0;
    rig.HipAngle = 5.0;
    rig.KneeAngle = -5.0;
    rig.FootAngle = 110.0;
    rig.StepCount = 0;
}

void LegRigSetLengths(LegRig& rig, double thighLength, double shinLength)
{
    rig.ThighLength = thighLength;
    rig.ShinLength = shinLength;
    LegRigReset(rig, rig.Pace);
}

void LegRigStep(LegRig& rig)
{
    rig.StepCount++;
    if (rig.StepCount == 12) LegRigReset(rig, rig.Pace);

    // A rig that was never reset has no pace; walking it with the usual one beats dividing by zero.
    const double pace = rig.Pace != 0 ? rig.Pace : 1.1;
    const double hipLow = -45 / pace;
    const double hipHigh = hipLow + 135 / pace;
    const double kneeLow = -105 / pace;
    const double kneeHigh = kneeLow + 110 / pace;
    const double hipStep = 135 / pace / 6;
    const double kneeStep = 110 / pace / 6;

    rig.HipAngle += rig.HipRising != 0 ? hipStep : -hipStep;
    rig.KneeAngle += rig.KneeRising != 0 ? kneeStep : -kneeStep;
    if (rig.HipAngle < hipLow) {
        rig.HipRising = 1.0;
        rig.HipAngle = 2 * hipLow - rig.HipAngle;
    }
    if (rig.HipAngle > hipHigh) {
        rig.HipRising = 0.0;
        rig.HipAngle = 2 * hipHigh - rig.HipAngle;
    }
    if (rig.KneeAngle < kneeLow) {
        rig.KneeRising = 1.0;
        rig.KneeAngle = 2 * kneeLow - rig.KneeAngle;
    }
    if (rig.KneeAngle > kneeHigh) {
        rig.KneeRising = 0.0;
        rig.KneeAngle = 2 * kneeHigh - rig.KneeAngle;
    }
    if (rig.KneeAngle > rig.HipAngle) rig.KneeAngle = rig.HipAngle;  // the knee bends one way only
    rig.FootAngle += rig.StepCount > 6 ? 3.0 : -3.0;

    rig.Knee = RotateAbout(rig.Root.X, rig.Root.Z, rig.KneeRest.X, rig.KneeRest.Z, rig.HipAngle);
    const RigPoint ankle = {rig.Knee.X, rig.Knee.Z + rig.TipRest.Z - rig.KneeRest.Z};
    rig.Tip = RotateAbout(rig.Knee.X, rig.Knee.Z, ankle.X, ankle.Z, rig.KneeAngle);
}
