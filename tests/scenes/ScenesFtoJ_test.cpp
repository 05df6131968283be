// ScenesFtoJ_test.cpp -- scripted runs of scenes F to J: pass lengths, cue frames, the hand-back to the
// menu, and what G, H and J leave in the shared variables for the scenes after them.
#include <gtest/gtest.h>
#include <cmath>
#include <string>
#include <vector>
#include "TraceRun.h"

// ---- F: one pass of 121 frames: 40 driving frames, then 81 waiting ones; "f" every 29 frames.

// The cue restarts once more than 2500 ms have passed: 28 frames of 90 ms are the first to exceed it,
// so the close comes 28 frames after the start and the new start one frame later.
static void ExpectSoundEvery29Frames(const TraceRun& run)
{
    EXPECT_EQ(SoundFrames(run, "open lautf.wav alias sound"), VisitFrames(2, {1, 30, 59, 88, 117}));
    // Besides these: the menu's click plays in frame 1, and the click on F closes "sound" before frame 2.
    EXPECT_EQ(SoundFrames(run, "play sound"), (std::vector<long>{1, 2, 31, 60, 89, 118}));
    // The hand-back frame, 121, comes only 4 frames after the last start, so it closes nothing.
    EXPECT_EQ(SoundFrames(run, "close sound"), (std::vector<long>{2, 30, 59, 88, 117}));
}

TEST(SceneF, OnePassOf121FramesWithTheSoundRestartedEvery29Frames)
{
    const TraceRun run = RunLetter('F', 130);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(121));
    ExpectSoundEvery29Frames(run);
    // The last "f" is still under way at the hand-back, so the menu's click is not played.
    EXPECT_EQ(SoundFrames(run, MenuCue.front()), std::vector<long>{1});
}

TEST(SceneF, FigurePacesAndTakesOneMoreStepInTheMenusPose)
{
    const TraceRun run = RunLetter('F', 125);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    // A third of a unit a frame towards -x from 0: past -30 in the 90th frame, then back.
    EXPECT_EQ(FrameAt(run, SceneFrame(89)).Heading, 180);
    EXPECT_LT(FrameAt(run, SceneFrame(90)).X, -30);
    EXPECT_EQ(FrameAt(run, SceneFrame(90)).Heading, 0);
    EXPECT_NEAR(FrameAt(run, SceneFrame(120)).X, -30 + 30 / 3.0, 1e-3);
    // The hand-back frame still walks, from the menu's pose: heading 90, a third of a unit away.
    const TraceFrameLine handBack = FrameAt(run, SceneFrame(121));
    EXPECT_EQ(handBack.Scene, 25);
    EXPECT_EQ(handBack.Heading, 90);
    EXPECT_NEAR(handBack.Z, -1 / 3.0, 1e-6);
    EXPECT_NEAR(handBack.X, 0, 1e-6);
    EXPECT_EQ(FrameAt(run, SceneFrame(124)).Z, handBack.Z);  // the menu itself moves nothing
}

// 2^32 - 1000 ms: the tick count wraps in the 13th frame, inside the first 2.5 s of "f".
TEST(SceneF, SoundKeepsItsBeatAcrossATickCountWrap)
{
    const TraceRun run = RunTrace("--frames 125 --start-tick 4294966296" + ClickOn('F', 2));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ASSERT_LT(FrameAt(run, 13).Tick, FrameAt(run, 12).Tick);
    ExpectSoundEvery29Frames(run);
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(121));
}

// ---- G: two passes of 201 frames; the group hangs still for 30 frames of each, then bounces.

TEST(SceneG, FirstVisitBouncesFromRestEvery19FramesOverTwoPassesOf201)
{
    const std::string start = ShotPath("g-start"), after = ShotPath("g-after");
    const TraceRun run = RunLetter('G', 406, ShotOf(1, start) + ShotOf(406, after));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    // It hands back in the middle of its drawing, with its camera on the matrix and the arm just tinted:
    // the menu after it is the start menu all the same, lit from the eye, its figure grey.
    EXPECT_EQ(DifferingPixels(LoadShot(start), LoadShot(after)), 0);
    EXPECT_EQ(FrameWhenPassesReach(run, 1), SceneFrame(201));
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(402));

    // From rest the drop after n falling frames is 0.1 n (n - 1): past 7.6 at n = 10, tick 40. From the
    // bounce (7.6 at -1.8, +0.2 a frame) it is back at 7.6 after 19 frames, and float rounding puts it
    // just above. The second pass hangs for 30 frames (202-231) and goes on from where the first ended:
    // 9 frames had passed since the bounce at 192, so 10 more give 241.
    const std::vector<long> bounces =
        VisitFrames(2, {40, 59, 78, 97, 116, 135, 154, 173, 192, 241, 260, 279, 298, 317, 336, 355, 374, 393});
    EXPECT_EQ(SoundFrames(run, "open lautg.wav alias sound"), bounces);
    for (const long frame : bounces)
        EXPECT_EQ(SoundsInFrame(run, frame),
                  (std::vector<std::string>{"close sound", "open lautg.wav alias sound", "play sound"}));

    // The scene never sets CueStarted, so the menu's click follows.
    EXPECT_EQ(SoundFrames(run, MenuCue.front()), (std::vector<long>{1, SceneFrame(403)}));

    // Scene C has not run, so its car counters are 0 (car at x = -40, out of reach): the sleeper lies still.
    for (long n = 1; n < 402; n++) ASSERT_EQ(FrameAt(run, SceneFrame(n)).Heading, 90) << n;
    EXPECT_TRUE(SoundFrames(run, "play auto from 0").empty());
}

// Scene C leaves its car at x = -30 (SceneCounterD 10) on pass 0, within G's 30 units: G keeps the car's
// effect on the sleeper (-3 degrees a frame, pass count even) and starts the car sound once.
TEST(SceneG, AfterSceneCTheSleeperTurnsAndTheCarSoundPlaysOnce)
{
    // C's fifth coming of the car ends it in its 462nd frame.
    const long click = SceneFrame(462) + 2;
    const std::string start = ShotPath("c-start"), after = ShotPath("c-after");
    const TraceRun run = RunLetter('C', click + 60, ClickOn('G', click) + ShotOf(1, start) + ShotOf(click - 1, after));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ASSERT_EQ(FrameHandingBack(run), SceneFrame(462));
    // C too hands back in the middle of its drawing; its menu is the start menu.
    EXPECT_EQ(DifferingPixels(LoadShot(start), LoadShot(after)), 0);
    ASSERT_EQ(FrameAt(run, click).Scene, 6);
    for (long n = 1; n <= 60; n++)
        ASSERT_NEAR(FrameAt(run, VisitFrame(click, n)).Heading, 90 - 3 * n, 1e-3) << n;
    EXPECT_EQ(SoundFramesBetween(run, "play auto from 0", click, click + 60), std::vector<long>{click});
    EXPECT_TRUE(SoundFramesBetween(run, "open lautc.wav alias sound", click, click + 60).empty());
}

// ---- J: the opening flight, then three throws of 20 wind-up and 28 flying frames; the 4th landing ends.

TEST(SceneJ, FourLandingsWithTheSoundAtTheFifthWindUpFrame)
{
    const TraceRun run = RunLetter('J', 162);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    // From rest the drop after n frames is 0.05 n (n - 1): past 7.6 at n = 13. A throw from 7.6 at -1.35,
    // +0.1 a frame, is back at 7.6 after 27 flying frames in exact numbers; the floats land one later.
    EXPECT_EQ(FrameWhenPassesReach(run, 1), SceneFrame(13));
    EXPECT_EQ(FrameWhenPassesReach(run, 2), SceneFrame(61));
    EXPECT_EQ(FrameWhenPassesReach(run, 3), SceneFrame(109));
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(157));

    const std::vector<long> cues = VisitFrames(2, {18, 66, 114});
    EXPECT_EQ(SoundFrames(run, "open lautj.wav alias sound"), cues);
    for (const long frame : cues)
        EXPECT_EQ(SoundsInFrame(run, frame),
                  (std::vector<std::string>{"close sound", "open lautj.wav alias sound", "play sound"}));
    // The figure never moves; CueStarted stays clear, so the menu's click follows.
    for (long n = 1; n < 157; n++) {
        const TraceFrameLine line = FrameAt(run, SceneFrame(n));
        ASSERT_TRUE(line.X == -3.5 && line.Z == -2 && line.Heading == 180) << n;
    }
    EXPECT_EQ(SoundFrames(run, MenuCue.front()), (std::vector<long>{1, SceneFrame(158)}));
}

// J's landings leave the bounce at 7.6 going up at 1.35, and G's bounce picks up from there; G in turn
// hands back mid-bounce, and J's opening flight starts from that.
TEST(SceneGAndJ, EachStartsFromTheBounceTheOtherLeft)
{
    const long gClick = SceneFrame(157) + 2;          // after J's hand-back
    const long jClick = VisitFrame(gClick, 402) + 2;  // after G's
    const TraceRun run = RunLetter('J', jClick + 30, ClickOn('G', gClick) + ClickOn('J', jClick));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ASSERT_EQ(FrameHandingBack(run), SceneFrame(157));
    ASSERT_EQ(FrameAt(run, VisitFrame(gClick, 402)).Scene, 25);

    // G: from 7.6 at -1.35, +0.2 a frame, back past 7.6 after 15 moving frames (0.1 x 14 > 1.35): tick 45,
    // then every 19. The first pass ends 4 frames after the bounce at 197, so the second pass bounces
    // after 30 still and 15 moving frames again, at 201 + 45, and ends 4 frames after the one at 398.
    EXPECT_EQ(SoundFramesBetween(run, "open lautg.wav alias sound", gClick, jClick),
              VisitFrames(gClick, {45, 64, 83, 102, 121, 140, 159, 178, 197, 246, 265, 284, 303, 322, 341, 360,
                                   379, 398}));

    // J: G left 7.6 - 4 x 1.8 + 0.1 x 4 x 3 = 1.6 at -1.0; with +0.1 a frame the drop is 1.6 - n +
    // 0.05 n (n - 1), past 7.6 first at n = 26 (8.1; 6.6 at 25) instead of 13 from rest.
    EXPECT_EQ(FrameAt(run, VisitFrame(jClick, 25)).Passes, 0);
    EXPECT_EQ(FrameAt(run, VisitFrame(jClick, 26)).Passes, 1);
}

// ---- H: a run of 114 frames (bar at 17, stop at 28 for 60 frames, end wait at 104-114); two stops.

TEST(SceneH, TwoRunsEachWithAStopBehindTheBar)
{
    const TraceRun run = RunLetter('H', 206);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    // Two thirds of a unit a frame: below -11 after 17 frames, at -18 after 27 in exact numbers but the
    // floats stay a hair above, so the stop comes at 28.
    EXPECT_EQ(SoundFrames(run, "open lauth.wav alias sound"), VisitFrames(2, {17, 131}));
    EXPECT_EQ(SoundFrames(run, "open lauth2.wav alias sound"),
              VisitFrames(2, {28, 28, 40, 52, 64, 76, 142, 142, 154, 166, 178, 190}));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(28)),
              (std::vector<std::string>{"close sound", "open lauth2.wav alias sound", "play sound", "close sound",
                                        "open lauth2.wav alias sound", "play sound"}));
    // The end of the first run: one close, at the first waiting frame.
    EXPECT_EQ(SoundFramesBetween(run, "close sound", SceneFrame(77), SceneFrame(141)),
              std::vector<long>{SceneFrame(104)});

    EXPECT_EQ(FrameWhenPassesReach(run, 1), SceneFrame(87));
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(201));
    // CueStarted is still set: no click in the menu.
    EXPECT_EQ(SoundFrames(run, MenuCue.front()), std::vector<long>{1});
}

TEST(SceneH, FigureStandsSidewaysDuringTheStopAndRestartsFromTheFront)
{
    const TraceRun run = RunLetter('H', 120);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const double stopZ = FrameAt(run, SceneFrame(28)).Z;
    EXPECT_NEAR(stopZ, -18 - 2 / 3.0, 1e-4);
    for (long n = 28; n <= 86; n++) {
        const TraceFrameLine line = FrameAt(run, SceneFrame(n));
        ASSERT_TRUE(line.Z == stopZ && line.Heading == 180) << n;
    }
    EXPECT_EQ(FrameAt(run, SceneFrame(87)).Heading, 90);
    EXPECT_NEAR(FrameAt(run, SceneFrame(88)).Z, stopZ - 2 / 3.0, 1e-5);
    // At -29.33 the figure waits 11 frames, then starts again at 0 with X untouched.
    EXPECT_LE(FrameAt(run, SceneFrame(103)).Z, -29);
    EXPECT_EQ(FrameAt(run, SceneFrame(113)).Z, FrameAt(run, SceneFrame(103)).Z);
    EXPECT_EQ(FrameAt(run, SceneFrame(114)).Z, 0);
    EXPECT_NEAR(FrameAt(run, SceneFrame(114)).X, 0, 1e-5);
}

// H hands back with SecondCueStarted set; a second visit then runs its first run through without a stop
// (44 frames to -29.33, 11 waiting), so its stops come in the second and third runs, 55 frames later.
TEST(SceneH, SecondVisitFindsTheSecondCueStartedAndRunsPastTheBar)
{
    const long click = SceneFrame(201) + 2;
    const TraceRun run = RunLetter('H', click + 260, ClickOn('H', click));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ASSERT_EQ(FrameHandingBack(run), SceneFrame(201));
    const long last = click + 259;
    EXPECT_EQ(SoundFramesBetween(run, "open lauth.wav alias sound", click, last),
              VisitFrames(click, {17, 72, 186}));
    EXPECT_EQ(SoundFramesBetween(run, "open lauth2.wav alias sound", click, last),
              VisitFrames(click, {83, 83, 95, 107, 119, 131, 197, 197, 209, 221, 233, 245}));
    EXPECT_EQ(FrameAt(run, VisitFrame(click, 44)).Heading, 90);
    EXPECT_EQ(FrameAt(run, VisitFrame(click, 255)).Scene, 7);
    EXPECT_EQ(FrameAt(run, VisitFrame(click, 256)).Scene, 25);
}

// ---- I: three passes of 49 frames: 28 rising and walking, 21 holding.

TEST(SceneI, ThreePassesOf49FramesWithTheSoundOnceTheHeadIsThrough)
{
    const TraceRun run = RunLetter('I', 152);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    // The rise is 0.4 a frame: past 5 after frame 13, so "i" at 14; 11 reached after 28 frames.
    EXPECT_EQ(SoundFrames(run, "open lauti.wav alias sound"), VisitFrames(2, {14, 63, 112}));
    EXPECT_EQ(SoundFrames(run, "play sound"), (std::vector<long>{1, SceneFrame(14), SceneFrame(63),
                                                                SceneFrame(112), SceneFrame(148)}));
    EXPECT_EQ(SoundFrames(run, "close sound"), (std::vector<long>{2, SceneFrame(49), SceneFrame(98),
                                                                 SceneFrame(147)}));
    EXPECT_EQ(FrameWhenPassesReach(run, 1), SceneFrame(49));
    EXPECT_EQ(FrameWhenPassesReach(run, 2), SceneFrame(98));
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(147));
    EXPECT_EQ(SoundFrames(run, MenuCue.front()), (std::vector<long>{1, SceneFrame(148)}));
}

TEST(SceneI, FigureWalksTheSameSlantWhileTheCreatureRisesAndHoldsAfter)
{
    const TraceRun run = RunLetter('I', 100);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const double h = 114 * std::acos(-1.0) / 180;
    const TraceFrameLine walked = FrameAt(run, SceneFrame(28));
    EXPECT_NEAR(walked.X, 28 * std::cos(h) / 3, 1e-4);
    EXPECT_NEAR(walked.Z, -28 * std::sin(h) / 3, 1e-4);
    for (long n = 29; n <= 48; n++) {
        const TraceFrameLine line = FrameAt(run, SceneFrame(n));
        ASSERT_TRUE(line.X == walked.X && line.Z == walked.Z) << n;
    }
    const TraceFrameLine restarted = FrameAt(run, SceneFrame(49));
    EXPECT_TRUE(restarted.X == 0 && restarted.Z == 0 && restarted.Heading == 114);
    EXPECT_EQ(FrameAt(run, SceneFrame(49 + 28)).X, walked.X);
    EXPECT_EQ(FrameAt(run, SceneFrame(49 + 28)).Z, walked.Z);
}
