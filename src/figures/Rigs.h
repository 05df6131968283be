// Rigs.h -- the two-segment arm and leg rigs: resetting them and stepping their swing.
#pragma once
#include "world/RigRecords.h"

// The point turned about the centre by angle degrees, as a GL rotation about +y turns (x, z).
RigPoint RotateAbout(double centreX, double centreZ, double pointX, double pointZ, double angle);

void ArmRigReset(ArmRig& rig, double pace);
void ArmRigSetLengths(ArmRig& rig, double upperLength, double lowerLength);
void ArmRigStep(ArmRig& rig);

void LegRigReset(LegRig& rig, double pace);
void LegRigSetLengths(LegRig& rig, double thighLength, double shinLength);
void LegRigStep(LegRig& rig);
