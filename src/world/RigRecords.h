// RigRecords.h -- the records of the world state's arm and leg rigs and colours: swing angles, lengths
// and joint points. The figures step and draw them; the world state holds them.
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
