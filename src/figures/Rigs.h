// Rigs.h -- the two-segment arm and leg rigs: swing angles, lengths and joint points.
#pragma once
#include <cstdint>

struct RigPoint {
    double X;
    double Z;
};

struct ColourTriple {
    int32_t R;
    int32_t G;
    int32_t B;
};

struct ArmRig {
    double Pace;         // kept for the reset at the cycle wrap; the motion does not read it
    double UpperRising;  // 1.0 while UpperAngle grows
    double LowerRising;  // 1.0 while LowerAngle grows
    double UpperAngle;   // degrees; 0 hangs straight
    double LowerAngle;   // degrees, absolute; never below UpperAngle after a step
    double Scale;        // 1.0 draws the whole arm, anything else the short form
    double UpperLength;
    double LowerLength;
    RigPoint Root;
    RigPoint ElbowRest;
    RigPoint TipRest;
    RigPoint Elbow;
    RigPoint Tip;
    int32_t StepCount;   // 0 to 11
    ColourTriple Colour;
};

struct LegRig {
    double FootAngle;    // added to KneeAngle for the foot
    double Pace;         // divides every swing amplitude and limit
    double HipRising;
    double KneeRising;
    double HipAngle;
    double KneeAngle;    // never above HipAngle after a step
    double ThighLength;
    double ShinLength;
    RigPoint Root;
    RigPoint KneeRest;
    RigPoint TipRest;
    RigPoint Knee;
    RigPoint Tip;
    int32_t StepCount;   // 0 to 11
};

// The point turned about the centre by angle degrees, as a GL rotation about +y turns (x, z).
RigPoint RotateAbout(double centreX, double centreZ, double pointX, double pointZ, double angle);

void ArmRigReset(ArmRig& rig, double pace);
void ArmRigSetLengths(ArmRig& rig, double upperLength, double lowerLength);
void ArmRigStep(ArmRig& rig);

void LegRigReset(LegRig& rig, double pace);
void LegRigSetLengths(LegRig& rig, double thighLength, double shinLength);
void LegRigStep(LegRig& rig);
