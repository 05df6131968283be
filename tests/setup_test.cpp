// setup_test.cpp -- scene set-up's start values, the walk step, the pass end, the menu's arrival
// click and its drawing once while idle, the picture's colours and the texture's failures.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <unistd.h>
#include "app/App.h"
#include "doubles/Doubles.h"
#include "framework/Walk.h"
#include "framework/PassEnd.h"
#include "framework/SceneSetup.h"
#include "world/World.h"
#include "render/Render.h"

class SceneSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(chdir(QUILLORA_DATA_DIR), 0);
        ResetFakeSound();
    }
    static void SetUpScene(int scene)
    {
        CurrentScene = scene;
        SceneSetup();
    }
};

TEST_F(SceneSetupTest, PutsTheFigureWhereEachSceneStarts)
{
    struct Start {
        float Heading, X, Z;
    };
    const Start starts[26] = {{90, 0, 0},        {180, 0, 0},       {90, 0, 0},    {270, -7, -12},  {180, 0, 0},
                              {180, 0, 0},       {90, 0, 0},        {90, 0, 0},    {114, 0, 0},     {180, -3.5f, -2},
                              {0, -23.1f, -3.1f}, {180, 0.9f, -2.1f}, {90, 0, 0},   {90, 0, 0},      {180, -3.1f, -2.1f},
                              {0, -10, 0},       {180, 4, 0},       {0, -10, 0},   {-90, -10, 0},   {-90, -10, 0},
                              {0, -25, 0},       {0, -10, 0},       {180, 0, 0},   {180, 0, 0},     {180, 0, 0},
                              {90, 0, 0}};
    for (int scene = 0; scene <= MenuScene; scene++) {
        FigureHeading = 1234;
        FigureX = 55;
        SetUpScene(scene);
        EXPECT_EQ(FigureHeading, starts[scene].Heading) << "scene " << scene;
        EXPECT_EQ(FigureX, starts[scene].X) << "scene " << scene;
        EXPECT_EQ(FigureZ, starts[scene].Z) << "scene " << scene;
        EXPECT_EQ(SceneEndCount, 0);
        EXPECT_EQ(LimbColour.R, 64);
        EXPECT_EQ(HeadColour.R, 90);
        EXPECT_EQ(CompanionArmA.StepCount, 11);
        EXPECT_EQ(CompanionLegA.StepCount, 1);
    }
}

TEST_F(SceneSetupTest, WindsTheLimbsToEachScenesPhase)
{
    SetUpScene(0);  // most scenes: leg B half a cycle ahead, arm B six steps ahead
    EXPECT_EQ(FigureLegA.StepCount, 1);
    EXPECT_EQ(FigureLegB.StepCount, 7);
    EXPECT_EQ(FigureArmA.StepCount, 1);
    EXPECT_EQ(FigureArmB.StepCount, 7);

    for (int inStep : {1, 4, 9}) {  // B, E and J keep the legs in step
        SetUpScene(inStep);
        EXPECT_EQ(FigureLegB.StepCount, FigureLegA.StepCount) << "scene " << inStep;
        EXPECT_EQ(FigureLegB.HipAngle, FigureLegA.HipAngle);
    }
    SetUpScene(1);
    EXPECT_EQ(FigureArmA.StepCount, 4);  // three more for B
    SetUpScene(2);
    EXPECT_EQ(FigureArmA.StepCount, 11);
    EXPECT_EQ(FigureArmB.StepCount, 5);  // 6 + 1 + 10 steps, past one wrap
    SetUpScene(4);
    EXPECT_EQ(FigureArmA.StepCount, 11);
    EXPECT_EQ(FigureArmB.StepCount, 11);
    SetUpScene(9);
    EXPECT_EQ(FigureArmA.StepCount, 0);  // 1 + 11: the wrap
    EXPECT_EQ(FigureArmB.StepCount, 0);  // 7 + 5
    SetUpScene(20);
    EXPECT_EQ(FigureArmA.StepCount, 2);
}

TEST_F(SceneSetupTest, SetsTheSceneValuesItOwnsAndLeavesTheSharedOnesAlone)
{
    SceneTick = 42;
    CueStarted = true;
    SceneCounterC = 3;
    BounceDrop = 1;
    SetUpScene(9);
    EXPECT_EQ(SpinAngle, 170);
    EXPECT_EQ(SceneTick, 100);
    SetUpScene(19);
    EXPECT_EQ(BounceDrop, 7.5f);
    SetUpScene(23);
    EXPECT_EQ(BounceDrop, 7.6f);
    SetUpScene(24);
    EXPECT_EQ(TiltAngle, 10);
    SceneTick = 42;
    SetUpScene(11);
    EXPECT_EQ(SceneTick, 0);
    SceneTick = 42;
    SetUpScene(MenuScene);
    EXPECT_EQ(SceneTick, 42);
    EXPECT_TRUE(CueStarted);
    EXPECT_EQ(SceneCounterC, 3);
}

TEST_F(SceneSetupTest, OpensTheCarSoundOnceAndStartsTheMenusQuietPeriod)
{
    FakeTick = 777;
    SetUpScene(MenuScene);
    EXPECT_EQ(MenuEnterTick, 777u);
    FakeTick = 999;
    SetUpScene(3);
    EXPECT_EQ(MenuEnterTick, 777u);
    EXPECT_EQ(SentSoundCommands, (std::vector<std::string>{"open auto.wav alias auto", "open auto.wav alias auto"}));
    EXPECT_EQ(std::count(SoundOutputCalls.begin(), SoundOutputCalls.end(), "load auto.wav 1"), 1);
}

TEST_F(SceneSetupTest, TheMenuPictureKeepsItsColoursThroughConversionAndSwap)
{
    ImageRecord original{};
    OpenDib(&original, "startscreen.gif", 5, 0);
    ASSERT_EQ(original.Header->BitCount, 8);
    SetUpScene(MenuScene);
    ASSERT_EQ(BackgroundBitmap.Header->BitCount, 24);
    int checked = 0;
    for (int y = 0; y < 550; y += 37) {
        for (int x = 0; x < 760; x += 41) {
            const PaletteEntry& colour = original.Palette[original.Pixels[y * original.Stride + x]];
            const uint8_t* shown = BackgroundImage + y * BackgroundBitmap.Stride + 3 * x;
            ASSERT_EQ(shown[0], colour.Red) << x << "," << y;
            ASSERT_EQ(shown[1], colour.Green);
            ASSERT_EQ(shown[2], colour.Blue);
            checked++;
        }
    }
    EXPECT_GT(checked, 200);
    deldib(&original);
}

TEST_F(SceneSetupTest, WalkStepMovesAThirdAlongTheHeading)
{
    FigureX = 0;
    FigureZ = 0;
    FigureHeading = 90;
    WalkStep();
    WalkStep();
    EXPECT_NEAR(FigureX, 0, 1e-7);
    EXPECT_FLOAT_EQ(FigureZ, -2.0f / 3.0f);
    FigureHeading = 0;
    WalkStep();
    EXPECT_FLOAT_EQ(FigureX, 1.0f / 3.0f);
    WalkStepBack();
    EXPECT_NEAR(FigureX, 0, 1e-7);
    // Each step rounds once to a float: 29 steps towards -z land just past -9.6666.
    FigureZ = 0;
    FigureHeading = 90;
    for (int i = 0; i < 29; i++) WalkStep();
    float expected = 0;
    for (int i = 0; i < 29; i++) expected = static_cast<float>(expected - std::sin(M_PI / 2) / 3.0);
    EXPECT_EQ(FigureZ, expected);
}

TEST_F(SceneSetupTest, ThePassEndHandsBackAtTheScenesLimit)
{
    SetUpScene(0);  // three passes
    PassEnd();
    PassEnd();
    EXPECT_EQ(CurrentScene, 0);
    EXPECT_EQ(SceneEndCount, 2);
    FigureX = 5;
    PassEnd();
    EXPECT_EQ(CurrentScene, MenuScene);
    EXPECT_EQ(SceneEndCount, 0);
    EXPECT_EQ(FigureX, 0);
    EXPECT_EQ(FigureHeading, 90);

    SetUpScene(2);  // one pass
    PassEnd();
    EXPECT_EQ(CurrentScene, MenuScene);
    SetUpScene(9);  // four
    for (int i = 0; i < 3; i++) PassEnd();
    EXPECT_EQ(CurrentScene, 9);
    PassEnd();
    EXPECT_EQ(CurrentScene, MenuScene);
}

TEST_F(SceneSetupTest, TheMenuClicksOnceOnArrivalAndItsFigureStandsStill)
{
    SetUpScene(MenuScene);
    CueStarted = false;
    SentSoundCommands.clear();
    const LegRig legBefore = FigureLegA;
    PresentedFrames = 0;
    for (int frame = 0; frame < 5; frame++) RenderFrame();
    EXPECT_EQ(PresentedFrames, 5);
    EXPECT_EQ(SentSoundCommands, (std::vector<std::string>{"open klicke.wav alias sound", "play sound"}));
    EXPECT_EQ(FigureLegA.StepCount, legBefore.StepCount);
    EXPECT_EQ(FigureLegA.HipAngle, legBefore.HipAngle);
}

TEST_F(SceneSetupTest, WhereTheWindowKeepsItsPictureTheIdleMenuIsDrawnOnceUntilItIsLost)
{
    PresentedFramesStay = true;
    SetUpScene(MenuScene);
    CueStarted = false;
    SentSoundCommands.clear();
    PresentedFrames = 0;
    for (int frame = 0; frame < 5; frame++) RenderFrame();
    EXPECT_EQ(PresentedFrames, 1);
    EXPECT_EQ(SentSoundCommands.size(), 2u);  // the click on arrival is not skipped with the drawing

    MainWindowProcedure({nullptr, MessagePaint, 0, 0});  // the window was uncovered
    for (int frame = 0; frame < 3; frame++) RenderFrame();
    EXPECT_EQ(PresentedFrames, 2);

    SetUpScene(0);  // a letter's scene changes every frame
    for (int frame = 0; frame < 3; frame++) RenderFrame();
    EXPECT_EQ(PresentedFrames, 5);
    SetUpScene(MenuScene);  // and the menu it hands back to is drawn afresh, once
    for (int frame = 0; frame < 3; frame++) RenderFrame();
    EXPECT_EQ(PresentedFrames, 6);
    PresentedFramesStay = false;
}

TEST_F(SceneSetupTest, AnUnknownSceneDrawsNothing)
{
    PresentedFrames = 0;
    for (int scene : {-1, 26, 1000}) {
        CurrentScene = scene;
        RenderFrame();
    }
    EXPECT_EQ(PresentedFrames, 0);
    CurrentScene = MenuScene;
}

TEST_F(SceneSetupTest, AMissingOrShortTextureEndsTheProgramWithItsReason)
{
    char pattern[] = "/tmp/quillora-texture-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    ASSERT_EQ(chdir(pattern), 0);
    CurrentScene = MenuScene;
    EXPECT_EXIT(SceneSetup(), ::testing::ExitedWithCode(1), "texstone1.raw.*No such file");
    std::ofstream("texstone1.raw") << std::string(12287, 'x');
    EXPECT_EXIT(SceneSetup(), ::testing::ExitedWithCode(1), "texstone1.raw.*shorter than 12288 bytes");
    std::ofstream("texstone1.raw") << std::string(12288, 'x');
    SceneSetup();
    EXPECT_EQ(StoneTexture[100], 'x');
    std::remove("texstone1.raw");
    rmdir(pattern);
}
