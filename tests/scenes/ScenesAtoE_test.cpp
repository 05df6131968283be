// ScenesAtoE_test.cpp -- scenes A to E traced: pass lengths, cue frames, hand-back, and what C leaves behind.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "TraceRun.h"

using Frames = std::vector<long>;
using Commands = std::vector<std::string>;

// The strongly red pixels of a shot, and where they lie.
static Area RedIn(const std::string& path)
{
    return FindPixels(LoadShot(path), WholeShot, Red);
}

// A visit of a three-pass scene whose first frame is trace frame 'first': each pass of passFrames frames
// opens the letter's recording and plays it in its cueFrame and sends "close sound" in its closeFrame;
// the third pass hands back to the menu, which then clicks once, because the scene left its cue flag
// clear.
static void ExpectThreeCuedPasses(const TraceRun& run, long first, long passFrames, long cueFrame, long closeFrame,
                                  const std::string& openCommand)
{
    const long last = VisitFrame(first, 3 * passFrames);
    EXPECT_EQ(FrameAt(run, VisitFrame(first, passFrames - 1)).Passes, 0);
    EXPECT_EQ(FrameAt(run, VisitFrame(first, passFrames)).Passes, 1);
    EXPECT_EQ(FrameAt(run, VisitFrame(first, 2 * passFrames)).Passes, 2);
    EXPECT_NE(FrameAt(run, last - 1).Scene, 25);
    EXPECT_EQ(FrameAt(run, last).Scene, 25);

    Frames cues, closes;
    for (long pass = 0; pass < 3; pass++) {
        cues.push_back(VisitFrame(first, pass * passFrames + cueFrame));
        closes.push_back(VisitFrame(first, pass * passFrames + closeFrame));
    }
    EXPECT_EQ(SoundFramesBetween(run, openCommand, first, last), cues);
    EXPECT_EQ(SoundFramesBetween(run, "play sound", first, last), cues);
    EXPECT_EQ(SoundFramesBetween(run, "close sound", first + 1, last), closes);  // not the click's own
    EXPECT_EQ(SoundsInFrame(run, last + 1), MenuCue);
}

// ---------------------------------------------------------------- scene A

// The figure walks two thirds of a unit a frame from z 0: its 17th frame passes -11 (the cue) and its
// 29th passes -19 (the walk ends); then 11 frames of lying still, the first closing the sound.
constexpr long AWalkFrames = 29;
constexpr long ACueFrame = 17;
constexpr long APassFrames = AWalkFrames + 11;

TEST(SceneA, ThreePassesOfWalkTumbleAndWaitThenTheMenuWithItsClick)
{
    const TraceRun run = RunLetter('A', SceneFrame(3 * APassFrames) + 3);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ExpectThreeCuedPasses(run, SceneFrame(1), APassFrames, ACueFrame, AWalkFrames + 1, "open lauta.wav alias sound");
    // the frame that counts the third pass sees the figure back at 0 and starts no cue
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(3 * APassFrames)), Commands{"open auto.wav alias auto"});
}

// ---------------------------------------------------------------- scene B

// Arm waves for 9 frames, balls out in frames 10 to 22 (the cue when they pass 10, in frame 21), held,
// back in frames 51 to 63, and the 71st frame ends the pass.
constexpr long BPassFrames = 71;
constexpr long BCueFrame = 21;

TEST(SceneB, PassesOf71FramesWithTheCueAsTheBallsNearlyReachTheBarsOnEveryVisit)
{
    // visit B, let it hand back, and visit it again: the balls must be home for the second visit
    const long secondClick = SceneFrame(3 * BPassFrames) + 6;
    const TraceRun run = RunLetter('B', VisitFrame(secondClick, 3 * BPassFrames) + 3, ClickOn('B', secondClick));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;

    for (const long first : {SceneFrame(1), secondClick})
        ExpectThreeCuedPasses(run, first, BPassFrames, BCueFrame, BPassFrames, "open lautb.wav alias sound");

    // the figure stands where set-up put it, turned to 180
    for (long frame = SceneFrame(1); frame < SceneFrame(3 * BPassFrames); frame++) {
        const TraceFrameLine line = FrameAt(run, frame);
        EXPECT_EQ(line.X, 0);
        EXPECT_EQ(line.Z, 0);
        EXPECT_EQ(line.Heading, 180) << "frame " << frame;
    }
}

TEST(SceneB, TheRedBallsRollTowardsTheBarsAndComeBack)
{
    // drawn with BallOffset 0 (scene frame 5), 13 (frame 30) and 0 again (frame 70)
    const std::string home = ShotPath("b-home"), out = ShotPath("b-out"), back = ShotPath("b-back");
    const std::string shots = ShotOf(SceneFrame(5), home) + ShotOf(SceneFrame(30), out) + ShotOf(SceneFrame(70), back);
    const TraceRun run = RunLetter('B', SceneFrame(70), shots);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const Area atHome = RedIn(home), atBars = RedIn(out), homeAgain = RedIn(back);
    ASSERT_GT(atHome.Pixels, 1000);
    ASSERT_GT(atBars.Pixels, 100);
    // the bars are on the left of the picture; 13 units of travel move the balls far across it
    EXPECT_LT(atBars.MeanX, atHome.MeanX - 200);
    EXPECT_NEAR(homeAgain.MeanX, atHome.MeanX, 1);
    EXPECT_EQ(homeAgain.Pixels, atHome.Pixels);
}

// ---------------------------------------------------------------- scene C

// From counters 0 and 0 the car drives 71 frames a pass; it is within 30 of the middle from the 10th
// frame of a pass, and on the fourth pass reaches -20 in its 20th frame (the cue), rolls 9 more frames,
// stands until its tick passes 50 (frame 283) and backs one unit a frame from x -11 to -180 (169 frames),
// and its fifth coming reaches -30 ten frames later.
constexpr long CPassFrames = 71;
constexpr long CNearFrame = 10;
constexpr long CCueFrame = 3 * CPassFrames + 20;
constexpr long CBackingEnds = CCueFrame + 50 + 169;
constexpr long CHandBackFrame = CBackingEnds + 10;

static const Commands CCue = {"open lautc.wav alias sound", "play sound", "stop auto"};
static const Commands CEnd = {"play auto from 0", "close sound", "close auto", "open auto.wav alias auto"};

// A visit that starts with the car already at x -30, as scene C leaves it: ten frames shorter.
constexpr long CLaterVisitFrames = CHandBackFrame - CNearFrame;
constexpr long GVisitFrames = 2 * 201;  // scene G: two passes of 201 frames
constexpr long CSecondVisit = SceneFrame(CHandBackFrame) + 6;
constexpr long GVisit = VisitFrame(CSecondVisit, CLaterVisitFrames) + 6;
constexpr long CThirdVisit = VisitFrame(GVisit, GVisitFrames) + 6;

// Scene C from a fresh start, C again, then scene G, then C once more; each visit's first frame is
// the frame of its click.
static const TraceRun& SceneCVisitsRun()
{
    static const TraceRun run =
        RunLetter('C', VisitFrame(CThirdVisit, CLaterVisitFrames) + 3,
                  ClickOn('C', CSecondVisit) + ClickOn('G', GVisit) + ClickOn('C', CThirdVisit));
    return run;
}

TEST(SceneC, OneRunOfFivePassesOfTheCarWithTheCueOnTheFourth)
{
    const TraceRun& run = SceneCVisitsRun();
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const long handBack = SceneFrame(CHandBackFrame);
    ASSERT_EQ(HandBacks(run).at(0), handBack);
    // one pass of the scene is the whole run
    for (long frame = SceneFrame(1); frame < handBack; frame++) ASSERT_EQ(FrameAt(run, frame).Passes, 0);

    Frames carSounds;
    for (long pass = 0; pass < 4; pass++) carSounds.push_back(SceneFrame(pass * CPassFrames + CNearFrame));
    carSounds.push_back(handBack);
    EXPECT_EQ(SoundFramesBetween(run, "play auto from 0", 1, handBack), carSounds);
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(CCueFrame)), CCue);
    EXPECT_EQ(SoundFramesBetween(run, "open lautc.wav alias sound", 1, handBack), Frames{SceneFrame(CCueFrame)});
    EXPECT_EQ(SoundsInFrame(run, handBack), CEnd);
    EXPECT_EQ(SoundsInFrame(run, handBack + 1), MenuCue);
}

TEST(SceneC, TheSleeperOnlyTurnsWhileTheCarIsNear)
{
    const TraceRun& run = SceneCVisitsRun();
    // down by 3 a frame on the first pass (frames 10 to 70), up on the second, never moved
    EXPECT_EQ(FrameAt(run, SceneFrame(CNearFrame - 1)).Heading, 90);
    EXPECT_EQ(FrameAt(run, SceneFrame(CNearFrame)).Heading, 87);
    EXPECT_EQ(FrameAt(run, SceneFrame(70)).Heading, 90 - 61 * 3);
    EXPECT_EQ(FrameAt(run, SceneFrame(CPassFrames + CNearFrame - 1)).Heading, 90 - 61 * 3);
    EXPECT_EQ(FrameAt(run, SceneFrame(CPassFrames + 70)).Heading, 90);
    // on the fourth pass the car stands at x -11 from its tick 10 to 50: the sleeper keeps turning up
    const float standing = FrameAt(run, SceneFrame(CCueFrame + 10)).Heading;
    EXPECT_EQ(FrameAt(run, SceneFrame(CCueFrame + 50)).Heading, standing + 40 * 3);
    // backing out of sight, x below -30: still
    EXPECT_EQ(FrameAt(run, SceneFrame(CBackingEnds - 1)).Heading, FrameAt(run, SceneFrame(CCueFrame + 80)).Heading);
    for (long frame = SceneFrame(1); frame < SceneFrame(CHandBackFrame); frame++) {
        EXPECT_EQ(FrameAt(run, frame).X, 0);
        EXPECT_EQ(FrameAt(run, frame).Z, 0);
    }
}

TEST(SceneC, ALaterVisitCarriesOnFromWhereTheCarWasLeft)
{
    // the first visit left the car at x -30 with no passes counted: the second starts with the car near,
    // its first pass ten frames short, and everything after it ten frames earlier
    const TraceRun& run = SceneCVisitsRun();
    const Frames handBacks = HandBacks(run);
    ASSERT_EQ(handBacks, (Frames{SceneFrame(CHandBackFrame), VisitFrame(CSecondVisit, CLaterVisitFrames),
                                 VisitFrame(GVisit, GVisitFrames), VisitFrame(CThirdVisit, CLaterVisitFrames)}));
    EXPECT_EQ(SoundsInFrame(run, VisitFrame(CSecondVisit, CCueFrame - CNearFrame)), CCue);
    Frames carSounds = {CSecondVisit};
    for (long pass = 1; pass < 4; pass++) carSounds.push_back(VisitFrame(CSecondVisit, pass * CPassFrames));
    carSounds.push_back(handBacks[1]);
    EXPECT_EQ(SoundFramesBetween(run, "play auto from 0", CSecondVisit, handBacks[1]), carSounds);
    EXPECT_EQ(FrameAt(run, CSecondVisit).Heading, 87);
}

TEST(SceneC, AfterSceneGTheCarSoundWaitsForTheSecondPass)
{
    // scene G, finding the car near, plays the car sound once and leaves its latch set; the next visit
    // of C runs as the one before it but stays quiet until the car's first wrap clears the latch
    const TraceRun& run = SceneCVisitsRun();
    const Frames handBacks = HandBacks(run);
    ASSERT_EQ(handBacks.size(), 4u);
    EXPECT_EQ(SoundFramesBetween(run, "play auto from 0", GVisit, handBacks[2]), Frames{GVisit});
    Frames carSounds;
    for (long pass = 1; pass < 4; pass++) carSounds.push_back(VisitFrame(CThirdVisit, pass * CPassFrames));
    carSounds.push_back(handBacks[3]);
    EXPECT_EQ(SoundFramesBetween(run, "play auto from 0", CThirdVisit, handBacks[3]), carSounds);
    EXPECT_EQ(SoundsInFrame(run, VisitFrame(CThirdVisit, CCueFrame - CNearFrame)), CCue);
    EXPECT_EQ(SoundsInFrame(run, handBacks[3]), CEnd);
}

// ---------------------------------------------------------------- scene D

// From z -12 a third of a unit a frame: the 47th frame reaches 3.67, the first at or past 3.6; the 48th
// starts the cue and reddens the head; 31 waiting frames, the last ending the pass.
constexpr long DWalkFrames = 47;
constexpr long DCueFrame = DWalkFrames + 1;
constexpr long DPassFrames = DCueFrame + 31;

TEST(SceneD, ThreePassesOfWalkToThePostAndWait)
{
    const TraceRun run = RunLetter('D', SceneFrame(3 * DPassFrames) + 3);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ExpectThreeCuedPasses(run, SceneFrame(1), DPassFrames, DCueFrame, DPassFrames, "open lautd.wav alias sound");
    const long handBack = SceneFrame(3 * DPassFrames);
    EXPECT_LT(FrameAt(run, SceneFrame(DWalkFrames - 1)).Z, 3.6);
    EXPECT_NEAR(FrameAt(run, SceneFrame(DWalkFrames)).Z, 11.0 / 3, 1e-4);
    EXPECT_EQ(FrameAt(run, SceneFrame(DPassFrames)).Z, -12);  // back at the start line
    for (long frame = SceneFrame(1); frame < handBack; frame++) {
        EXPECT_NEAR(FrameAt(run, frame).X, -7, 1e-5) << "frame " << frame;
        EXPECT_EQ(FrameAt(run, frame).Heading, 270) << "frame " << frame;
    }
}

TEST(SceneD, TheHeadIsRedOnlyWhileTheFigureWaitsAtThePost)
{
    // drawn on the way (frame 30), at the post (frames 49 and 79, the first and last red ones), and on
    // the first frame of the next walk (frame 80)
    std::string options;
    for (const long frame : {30, 49, 79, 80})
        options += ShotOf(SceneFrame(frame), ShotPath("d" + std::to_string(frame)));
    const TraceRun run = RunLetter('D', SceneFrame(80), options);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(RedIn(ShotPath("d30")).Pixels, 0);
    EXPECT_GT(RedIn(ShotPath("d49")).Pixels, 50);
    EXPECT_GT(RedIn(ShotPath("d79")).Pixels, 50);
    EXPECT_EQ(RedIn(ShotPath("d80")).Pixels, 0);
}

// ---------------------------------------------------------------- scene E

// 120 frames of flight (tick 0 to 119) to "flug", the letter's sound in the frame whose tick reaches
// 120, and the frame whose tick reaches 181 ends the one pass.
constexpr long EFlightFrames = 120;
constexpr long EPassFrames = 181;

static const TraceRun& SceneERun()
{
    static const TraceRun run = RunLetter('E', SceneFrame(EPassFrames) + 3);
    return run;
}

TEST(SceneE, OnePassOfFlightThenTheLetterAndTheMenuWithItsClick)
{
    const TraceRun& run = SceneERun();
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const long handBack = SceneFrame(EPassFrames);
    EXPECT_EQ(FrameHandingBack(run), handBack);
    for (long frame = SceneFrame(1); frame < handBack; frame++) ASSERT_EQ(FrameAt(run, frame).Passes, 0);

    EXPECT_EQ(SoundFrames(run, "open flug.wav alias sound"), Frames{SceneFrame(1)});
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(EFlightFrames)),
              (Commands{"close sound", "open laute.wav alias sound", "play sound"}));
    EXPECT_EQ(SoundFramesBetween(run, "play sound", 2, handBack), (Frames{SceneFrame(1), SceneFrame(EFlightFrames)}));
    EXPECT_EQ(SoundsInFrame(run, handBack), (Commands{"close sound", "open auto.wav alias auto"}));
    EXPECT_EQ(SoundsInFrame(run, handBack + 1), MenuCue);
}

TEST(SceneE, TheFlightEndsUpAndAwayAndStaysThere)
{
    const TraceRun& run = SceneERun();
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    // a frame's line shows the place it was drawn at, from the tick before that frame's increment
    EXPECT_EQ(FrameAt(run, SceneFrame(1)).X, 0);
    EXPECT_NEAR(FrameAt(run, SceneFrame(61)).X, -11, 1e-5);
    EXPECT_NEAR(FrameAt(run, SceneFrame(61)).Z, -13.9, 1e-5);
    for (long frame = SceneFrame(EFlightFrames); frame < SceneFrame(EPassFrames); frame++) {
        EXPECT_NEAR(FrameAt(run, frame).X, -22.0 * 119 / 120, 1e-5) << "frame " << frame;
        EXPECT_NEAR(FrameAt(run, frame).Z, -27.8 * 119 / 120, 1e-5) << "frame " << frame;
    }
    for (long frame = SceneFrame(1); frame < SceneFrame(EPassFrames); frame++)
        EXPECT_EQ(FrameAt(run, frame).Heading, 180);
}
