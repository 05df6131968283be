// rigs_test.cpp -- the arm and leg cycles, their reflections and wraps, and the joint points.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include "figures/Rigs.h"

static ArmRig FreshArm()
{
    ArmRig arm{};
    ArmRigReset(arm, 1.1);
    ArmRigSetLengths(arm, 1.2, 1.0);
    return arm;
}

static LegRig FreshLeg()
{
    LegRig leg{};
    LegRigReset(leg, 1.1);
    LegRigSetLengths(leg, 1.6, 1.5);
    return leg;
}

TEST(ArmRig, FollowsItsTwelveStepCycleAndWrapsToStepOne)
{
    const double expected[12][2] = {{22.5, 110}, {45, 135},    {52.5, 160}, {30, 135}, {7.5, 110},  {-15, 85},
                                    {-37.5, 60}, {-60, 35},    {-67.5, 10}, {-45, -15}, {-22.5, 10}, {22.5, 110}};
    ArmRig arm = FreshArm();
    for (int step = 0; step < 12; step++) {
        ArmRigStep(arm);
        EXPECT_DOUBLE_EQ(arm.UpperAngle, expected[step][0]) << "step " << step + 1;
        EXPECT_DOUBLE_EQ(arm.LowerAngle, expected[step][1]) << "step " << step + 1;
        EXPECT_EQ(arm.StepCount, (step + 1) % 12);
    }
    // Later cycles have twelve steps, and StepCount 11 holds the pose (0, 35).
    for (int step = 0; step < 11; step++) ArmRigStep(arm);
    EXPECT_EQ(arm.StepCount, 11);
    EXPECT_DOUBLE_EQ(arm.UpperAngle, 0);
    EXPECT_DOUBLE_EQ(arm.LowerAngle, 35);
}

TEST(ArmRig, LengthsPointsAndDefaults)
{
    ArmRig zeroed{};
    ArmRigReset(zeroed, 1.1);
    EXPECT_EQ(zeroed.UpperLength, 100.0);
    EXPECT_EQ(zeroed.LowerLength, 90.0);

    ArmRig arm = FreshArm();
    EXPECT_EQ(arm.ElbowRest.Z, 1.2);
    EXPECT_EQ(arm.TipRest.Z, 2.2);
    ArmRigStep(arm);
    EXPECT_NEAR(arm.Elbow.X, 0.459, 0.001);
    EXPECT_NEAR(arm.Elbow.Z, 1.109, 0.001);
    EXPECT_NEAR(arm.Tip.X, 1.399, 0.001);
    EXPECT_NEAR(arm.Tip.Z, 0.767, 0.001);
}

TEST(ArmRig, ReflectsTheUpperArmAndOnlyTurnsTheForearm)
{
    ArmRig arm = FreshArm();
    for (int i = 0; i < 3; i++) ArmRigStep(arm);
    EXPECT_EQ(arm.LowerRising, 0.0);  // 160 is past 145: it turns without reflecting
    ArmRigStep(arm);
    EXPECT_DOUBLE_EQ(arm.LowerAngle, 135);
    for (int i = 0; i < 5; i++) ArmRigStep(arm);
    EXPECT_DOUBLE_EQ(arm.UpperAngle, -67.5);  // -82.5 reflected at -75
    EXPECT_EQ(arm.UpperRising, 1.0);
}

TEST(ArmRig, TheWrapUndoesTintAndScaleButThePaceChangesNothing)
{
    ArmRig arm = FreshArm();
    for (int i = 0; i < 11; i++) ArmRigStep(arm);
    arm.Colour = {196, 64, 64};
    arm.Scale = 1.3;
    ArmRigStep(arm);
    EXPECT_EQ(arm.Colour.R, 64);
    EXPECT_EQ(arm.Scale, 1.0);

    ArmRig slow{};
    ArmRigReset(slow, 7.0);
    ArmRigSetLengths(slow, 1.2, 1.0);
    ArmRig usual = FreshArm();
    for (int i = 0; i < 30; i++) {
        ArmRigStep(slow);
        ArmRigStep(usual);
        EXPECT_EQ(slow.UpperAngle, usual.UpperAngle);
        EXPECT_EQ(slow.Tip.X, usual.Tip.X);
    }
}

TEST(LegRig, FollowsItsWalkCycle)
{
    const double expected[12][3] = {{-15.455, -21.667, 107}, {-35.909, -38.333, 104}, {-25.455, -55.0, 101},
                                    {-5.0, -71.667, 98},     {15.455, -88.333, 95},   {35.909, -85.909, 92},
                                    {56.364, -69.242, 95},   {76.818, -52.576, 98},   {66.364, -35.909, 101},
                                    {45.909, -19.242, 104},  {25.455, -2.576, 107},   {-15.455, -21.667, 107}};
    LegRig leg = FreshLeg();
    for (int step = 0; step < 12; step++) {
        LegRigStep(leg);
        EXPECT_NEAR(leg.HipAngle, expected[step][0], 0.001) << "step " << step + 1;
        EXPECT_NEAR(leg.KneeAngle, expected[step][1], 0.001) << "step " << step + 1;
        EXPECT_DOUBLE_EQ(leg.FootAngle, expected[step][2]) << "step " << step + 1;
    }
    EXPECT_EQ(leg.HipRising, 0.0);
    // In later cycles the foot goes down to 89 and back up to 104; StepCount 11 is hip 5, knee -5.
    double lowestFoot = leg.FootAngle;
    for (int step = 0; step < 11; step++) {
        LegRigStep(leg);
        lowestFoot = std::min(lowestFoot, leg.FootAngle);
    }
    EXPECT_EQ(leg.StepCount, 11);
    EXPECT_DOUBLE_EQ(lowestFoot, 89);
    EXPECT_DOUBLE_EQ(leg.FootAngle, 104);
    EXPECT_NEAR(leg.HipAngle, 5.0, 1e-9);
    EXPECT_NEAR(leg.KneeAngle, -5.0, 1e-9);
}

TEST(LegRig, PointsDefaultsAndAPaceThatWasNeverSet)
{
    LegRig zeroed{};
    LegRigReset(zeroed, 1.1);
    EXPECT_EQ(zeroed.ThighLength, 100.0);
    EXPECT_EQ(zeroed.ShinLength, 90.0);

    LegRig leg = FreshLeg();
    EXPECT_EQ(leg.TipRest.Z, 3.1);
    LegRigStep(leg);
    EXPECT_NEAR(leg.Knee.X, -0.426, 0.001);
    EXPECT_NEAR(leg.Knee.Z, 1.542, 0.001);
    EXPECT_NEAR(leg.Tip.X, -0.980, 0.001);
    EXPECT_NEAR(leg.Tip.Z, 2.936, 0.001);

    LegRig unset{};  // never reset: stepping it must not produce infinities
    LegRigStep(unset);
    EXPECT_TRUE(std::isfinite(unset.HipAngle));
    EXPECT_TRUE(std::isfinite(unset.Tip.X));
}

TEST(RotateAbout, TurnsLikeAGlRotationAboutY)
{
    // A GL rotation by +90 degrees about y takes (x, z) = (0, 1) to (1, 0).
    const RigPoint turned = RotateAbout(0, 0, 0, 1, 90);
    EXPECT_NEAR(turned.X, 1, 1e-12);
    EXPECT_NEAR(turned.Z, 0, 1e-12);
    const RigPoint aboutCentre = RotateAbout(1, 1, 1, 2, 180);
    EXPECT_NEAR(aboutCentre.X, 1, 1e-12);
    EXPECT_NEAR(aboutCentre.Z, 0, 1e-12);
}
