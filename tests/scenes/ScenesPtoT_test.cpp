// ScenesPtoT_test.cpp -- scenes P to T traced: pass lengths, cue frames, hand-back and the menu's cue, the
// mode watch of S, and what T leaves for the scenes after it.
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>
#include "TraceRun.h"

using Frames = std::vector<long>;
using Commands = std::vector<std::string>;

// Scene frames first, first + step, ... (count of them) as trace frames of the visit clicked at 'click'.
static Frames Every(long click, long first, long step, int count)
{
    Frames frames;
    for (int i = 0; i < count; i++) frames.push_back(VisitFrame(click, first + i * step));
    return frames;
}

template <typename List>
static List Appended(List list, const List& more)
{
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

static std::string RunOf(const std::string& visits, long frames)
{
    return "--frames " + std::to_string(frames) + visits;
}

// ---------------------------------------------------------------- scene T, and what it leaves behind

// From rest: still until frame 30; the first ground contact in frame 32 is silent; 25 frames standing
// (the jump starts in 57); 19 frames in the air (the speed runs from -1.8 up by 0.2 a frame and the
// drop comes back to the ground in the 19th); so landings with sound in 76, then every 44 frames.
constexpr long TFirstLanding = 76;
constexpr long TLandingEvery = 25 + 19;
constexpr long THandBack = TFirstLanding + 2 * TLandingEvery;
// Letters clicked after T's visit: T hands back in trace frame THandBack + 1.
constexpr long AfterT = 170;

TEST(SceneT, StandsThenLandsThreeTimesWithItsSoundAndTheMenuCueDoesNotFollow)
{
    const TraceRun run = RunLetter('T', SceneFrame(THandBack) + 5);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;

    // The first ground contact is silent: nothing at all is sent before the first landing.
    for (long frame = SceneFrame(2); frame < SceneFrame(TFirstLanding); frame++)
        EXPECT_TRUE(SoundsInFrame(run, frame).empty()) << "frame " << frame;
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(TFirstLanding)),
              (Commands{"close sound", "open lautt.wav alias sound", "play sound"}));
    EXPECT_EQ(SoundFrames(run, "open lautt.wav alias sound"), Every(2, TFirstLanding, TLandingEvery, 3));
    EXPECT_EQ(FrameWhenPassesReach(run, 1), SceneFrame(TFirstLanding));
    EXPECT_EQ(FrameWhenPassesReach(run, 2), SceneFrame(TFirstLanding + TLandingEvery));
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(THandBack));

    // The landing that hands back still marks the cue as started, so the menu stays quiet.
    EXPECT_EQ(SoundFrames(run, MenuCue.front()), Frames{1});

    // The figure only jumps and spins in the drawing; its place and heading never change.
    for (long frame = SceneFrame(1); frame < SceneFrame(THandBack); frame++) {
        const TraceFrameLine line = FrameAt(run, frame);
        EXPECT_EQ(line.X, -10);
        EXPECT_EQ(line.Z, 0);
        EXPECT_EQ(line.Heading, -90);
    }
}

TEST(SceneT, ASecondVisitStartsFromTheSpeedAndGroundCountTheFirstLeft)
{
    // The first visit leaves the fall speed at +2 (the landing's 1.8 plus 0.2) and its ground count at 1:
    // the first contact comes in frame 31, and the jump 24 contacts later, in 55; landing 19 frames on.
    constexpr long firstLanding = 55 + 19;
    const TraceRun run = RunTrace(RunOf(ClickOn('T', 2) + ClickOn('T', AfterT), VisitFrame(AfterT, 170)));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ASSERT_EQ(FrameHandingBack(run), SceneFrame(THandBack));

    EXPECT_EQ(SoundFramesBetween(run, "open lautt.wav alias sound", AfterT, static_cast<long>(run.Frames.size())),
              Every(AfterT, firstLanding, TLandingEvery, 3));
    EXPECT_EQ(FirstMenuFrameFrom(run, AfterT), VisitFrame(AfterT, firstLanding + 2 * TLandingEvery));
    EXPECT_EQ(SoundFrames(run, MenuCue.front()), Frames{1});
}

// ---------------------------------------------------------------- scene P

// 30 opening frames (the first sound in the 6th), 10 turning, 10 lowering the head (the first sound
// closed in the 5th, at head phase 4), then 41 closing frames repeating the scene's sound, the pass end
// in the last of them.
constexpr long PKopf = 6;
constexpr long PHeadDown = 30 + 10 + 10;
constexpr long PCloseKopf = 30 + 10 + 5;
constexpr long PPass = PHeadDown + 41;

static Frames PClosingFrames(long click, long passStart)
{
    return Every(click, passStart + PHeadDown + 1, 1, 41);
}

TEST(SceneP, OpensTurnsLowersTheHeadThenRepeatsItsSoundEveryClosingFrame)
{
    const TraceRun run = RunLetter('P', SceneFrame(3 * PPass) + 5);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;

    EXPECT_EQ(SoundFrames(run, "open kopf.wav alias sound"), Every(2, PKopf, PPass, 3));
    EXPECT_EQ(SoundFramesBetween(run, "close sound", SceneFrame(2), SceneFrame(3 * PPass)),
              (Frames{SceneFrame(PCloseKopf), SceneFrame(PPass), SceneFrame(PPass + PCloseKopf),
                      SceneFrame(2 * PPass), SceneFrame(2 * PPass + PCloseKopf), SceneFrame(3 * PPass)}));
    // The open fails once the alias is taken and the play carries on: both go out every closing frame.
    const Frames closing = Appended(Appended(PClosingFrames(2, 0), PClosingFrames(2, PPass)),
                                    PClosingFrames(2, 2 * PPass));
    EXPECT_EQ(SoundFrames(run, "open lautp.wav alias sound"), closing);
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(PPass)),
              (Commands{"open lautp.wav alias sound", "play sound", "close sound"}));

    EXPECT_EQ(FrameWhenPassesReach(run, 1), SceneFrame(PPass));
    EXPECT_EQ(FrameWhenPassesReach(run, 2), SceneFrame(2 * PPass));
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(3 * PPass));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(3 * PPass + 1)), MenuCue);

    for (long frame = SceneFrame(1); frame < SceneFrame(3 * PPass); frame++) {
        EXPECT_EQ(FrameAt(run, frame).X, -10);
        EXPECT_EQ(FrameAt(run, frame).Heading, 0);
    }
}

TEST(SceneP, AfterTTheHeadIsAlreadyDownAndTheFirstSoundIsNeverClosed)
{
    // T leaves HeadPhase at 10 and its ground count at 1: the opening is one frame short, the head phase
    // is skipped, and the scene's sound is opened while the first sound still holds the alias.
    constexpr long firstPass = 29 + 10 + 41;
    const TraceRun run =
        RunTrace(RunOf(ClickOn('T', 2) + ClickOn('P', AfterT), VisitFrame(AfterT, firstPass + 2 * PPass + 5)));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ASSERT_EQ(FrameHandingBack(run), SceneFrame(THandBack));

    EXPECT_EQ(SoundFramesBetween(run, "open kopf.wav alias sound", AfterT, VisitFrame(AfterT, firstPass)),
              Frames{VisitFrame(AfterT, 5)});
    EXPECT_EQ(SoundFramesBetween(run, "open lautp.wav alias sound", AfterT, VisitFrame(AfterT, firstPass)),
              Every(AfterT, 29 + 10 + 1, 1, 41));
    // Only the click's "close sound" comes before the first pass end.
    EXPECT_EQ(SoundFramesBetween(run, "close sound", AfterT, VisitFrame(AfterT, firstPass + PPass)),
              (Frames{AfterT, VisitFrame(AfterT, firstPass), VisitFrame(AfterT, firstPass + PCloseKopf),
                      VisitFrame(AfterT, firstPass + PPass)}));
    EXPECT_EQ(FrameWhenPassesReach(run, 1, AfterT), VisitFrame(AfterT, firstPass));
    // The pass end cleared the counters: the second pass is a whole one.
    EXPECT_EQ(FrameWhenPassesReach(run, 2, AfterT), VisitFrame(AfterT, firstPass + PPass));
    EXPECT_EQ(FirstMenuFrameFrom(run, AfterT), VisitFrame(AfterT, firstPass + 2 * PPass));
    EXPECT_EQ(SoundsInFrame(run, VisitFrame(AfterT, firstPass + 2 * PPass + 1)), MenuCue);
}

// ---------------------------------------------------------------- scene Q

// 20 waiting frames, then the clock runs 10 a frame: walking to 180, facing the ball from 190 to 300
// (the croak at 200), walking again; the mouth opens from 370 with the scene's sound, closes from 770 in
// four single-precision steps, and the pass ends at 810.
constexpr long QWait = 20;
constexpr long QFrosch = QWait + 20;
constexpr long QSound = QWait + 37;
constexpr long QPassAfterWait = 81;
constexpr long QPass = QWait + QPassAfterWait;

TEST(SceneQ, WalksFacesTheFrogThenTheTongueShootsOutAndThePassEndsStillWalking)
{
    const TraceRun run = RunLetter('Q', SceneFrame(3 * QPass) + 5);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;

    EXPECT_EQ(SoundFrames(run, "open frosch.wav alias sound"), Every(2, QFrosch, QPass, 3));
    EXPECT_EQ(SoundFrames(run, "open lautq.wav alias sound"), Every(2, QSound, QPass, 3));
    // The croak holds the alias until the scene's own sound closes it.
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(QSound)),
              (Commands{"close sound", "open lautq.wav alias sound", "play sound"}));
    EXPECT_EQ(SoundFramesBetween(run, "close sound", SceneFrame(2), SceneFrame(QPass)),
              (Frames{SceneFrame(QSound), SceneFrame(QPass)}));

    // Eighteen steps of a third of a unit to the left, twelve frames turned towards the ball, walking on.
    EXPECT_NEAR(FrameAt(run, SceneFrame(QWait)).X, 4, 1e-6);
    EXPECT_NEAR(FrameAt(run, SceneFrame(QWait + 18)).X, -2, 1e-5);
    EXPECT_EQ(FrameAt(run, SceneFrame(QWait + 18)).Heading, 180);
    for (long frame = QWait + 19; frame <= QWait + 30; frame++) {
        EXPECT_EQ(FrameAt(run, SceneFrame(frame)).Heading, 100);
        EXPECT_NEAR(FrameAt(run, SceneFrame(frame)).X, -2, 1e-5);
    }
    EXPECT_EQ(FrameAt(run, SceneFrame(QWait + 31)).Heading, 180);
    EXPECT_NEAR(FrameAt(run, SceneFrame(QPass - 1)).X, 4 - (QPassAfterWait - 1 - 12) / 3.0, 1e-4);
    EXPECT_EQ(FrameAt(run, SceneFrame(QPass)).X, 4);

    EXPECT_EQ(FrameWhenPassesReach(run, 1), SceneFrame(QPass));
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(3 * QPass));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(3 * QPass + 1)), MenuCue);
}

TEST(SceneQ, AfterTTheFirstWaitLastsTenFrames)
{
    const TraceRun run = RunTrace(RunOf(ClickOn('T', 2) + ClickOn('Q', AfterT), VisitFrame(AfterT, 3 * QPass)));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ASSERT_EQ(FrameHandingBack(run), SceneFrame(THandBack));

    constexpr long firstPass = 10 + QPassAfterWait;
    EXPECT_EQ(SoundFramesBetween(run, "open frosch.wav alias sound", AfterT, VisitFrame(AfterT, firstPass + QPass)),
              (Frames{VisitFrame(AfterT, 10 + 20), VisitFrame(AfterT, firstPass + QFrosch)}));
    EXPECT_EQ(SoundFramesBetween(run, "open lautq.wav alias sound", AfterT, VisitFrame(AfterT, firstPass)),
              Frames{VisitFrame(AfterT, 10 + 37)});
    EXPECT_EQ(FrameWhenPassesReach(run, 1, AfterT), VisitFrame(AfterT, firstPass));
    EXPECT_EQ(FrameWhenPassesReach(run, 2, AfterT), VisitFrame(AfterT, firstPass + QPass));
}

// ---------------------------------------------------------------- scene R

// 30 opening frames (the first sound in the 11th), 10 lowering the head, 20 of the second phase (its
// sound in the first), ten R sounds 20 frames apart, then 81 frames of waiting: one pass only.
constexpr long RKopfsch = 11;
constexpr long RStuetze = 30 + 10 + 1;
constexpr long RFirstR = 30 + 10 + 20 + 20;
constexpr long RPass = 30 + 10 + 20 + 200 + 81;

TEST(SceneR, ThreeSoundsInTurnTheLastTenTimesThenOnePassHandsBack)
{
    const TraceRun run = RunLetter('R', SceneFrame(RPass) + 5);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;

    EXPECT_EQ(SoundFrames(run, "open kopfsch.wav alias sound"), Frames{SceneFrame(RKopfsch)});
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(RStuetze)),
              (Commands{"close sound", "open stuetze.wav alias sound", "play sound"}));
    EXPECT_EQ(SoundFrames(run, "open lautr.wav alias sound"), Every(2, RFirstR, 20, 10));
    EXPECT_EQ(SoundFramesBetween(run, "close sound", SceneFrame(2), SceneFrame(RPass)),
              Appended(Appended(Frames{SceneFrame(RStuetze)}, Every(2, RFirstR, 20, 10)), Frames{SceneFrame(RPass)}));

    EXPECT_EQ(FrameHandingBack(run), SceneFrame(RPass));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(RPass + 1)), MenuCue);
}

TEST(SceneR, AfterTTheHeadPhaseIsSkippedAndTheOpeningIsOneFrameShort)
{
    const TraceRun run = RunTrace(RunOf(ClickOn('T', 2) + ClickOn('R', AfterT), VisitFrame(AfterT, RPass)));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ASSERT_EQ(FrameHandingBack(run), SceneFrame(THandBack));

    EXPECT_EQ(SoundFrames(run, "open kopfsch.wav alias sound"), Frames{VisitFrame(AfterT, RKopfsch - 1)});
    EXPECT_EQ(SoundFrames(run, "open stuetze.wav alias sound"), Frames{VisitFrame(AfterT, RStuetze - 11)});
    EXPECT_EQ(SoundFrames(run, "open lautr.wav alias sound"), Every(AfterT, RFirstR - 11, 20, 10));
    EXPECT_EQ(FirstMenuFrameFrom(run, AfterT), VisitFrame(AfterT, RPass - 11));
}

// ---------------------------------------------------------------- scene S

// 50 still frames ("angst.wav" in the 5th), 80 crawl frames of half a unit, and the pass end.
constexpr long SStill = 50;
constexpr long SPass = SStill + 80 + 1;
// The restarts stop once the crawl reaches 35: from its 70th frame.
constexpr long SLastRestartFrame = SStill + 69;

static const Commands SRestart = {"close sound", "open lauts.wav alias sound", "play sound"};

static const Commands SFirstCrawlFrame = Appended(Appended(SRestart, Commands{"status sound mode"}), SRestart);

TEST(SceneS, StillWhileTheFirstRecordingPlaysThenTheChainCrawlsAndTheFigureTurns)
{
    const TraceRun run = RunLetter('S', SceneFrame(3 * SPass) + 5);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;

    EXPECT_EQ(SoundFrames(run, "open angst.wav alias sound1"), Every(2, 5, SPass, 3));
    // Only the pass end closes the second alias.
    EXPECT_EQ(SoundFrames(run, "close sound1"), Every(2, SPass, SPass, 3));
    for (long pass = 0; pass < 3; pass++) {
        EXPECT_EQ(SoundsInFrame(run, SceneFrame(pass * SPass + SStill + 1)), SFirstCrawlFrame) << "pass " << pass;
        for (long frame = SceneFrame(pass * SPass + SLastRestartFrame + 1); frame < SceneFrame((pass + 1) * SPass);
             frame++)
            EXPECT_EQ(SoundsInFrame(run, frame), Commands{"status sound mode"}) << "frame " << frame;
    }

    // Ten degrees a frame: round to face the chain in 18 frames, and back once the crawl passes 20.
    const long crawl = SceneFrame(SStill);
    EXPECT_EQ(FrameAt(run, crawl).Heading, -90);
    EXPECT_EQ(FrameAt(run, crawl + 1).Heading, -80);
    EXPECT_EQ(FrameAt(run, crawl + 18).Heading, 90);
    EXPECT_EQ(FrameAt(run, crawl + 40).Heading, 90);
    EXPECT_EQ(FrameAt(run, crawl + 41).Heading, 80);
    EXPECT_EQ(FrameAt(run, crawl + 58).Heading, -90);
    for (long frame = SceneFrame(1); frame < SceneFrame(3 * SPass); frame++) {
        EXPECT_EQ(FrameAt(run, frame).X, -10);
        EXPECT_EQ(FrameAt(run, frame).Z, 0);
    }

    EXPECT_EQ(FrameHandingBack(run), SceneFrame(3 * SPass));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(3 * SPass + 1)), MenuCue);
}

// Every watch restarts the recording when its reply differs from the last reply of any watch before it,
// in this pass, an earlier pass or an earlier visit, and only while the crawl is short of 35.
TEST(SceneS, EachWatchComparesWithTheLastReplyOfAnyWatchBeforeIt)
{
    constexpr long secondVisit = SceneFrame(3 * SPass) + 5;
    const TraceRun run =
        RunTrace(RunOf(ClickOn('S', 2) + ClickOn('S', secondVisit), VisitFrame(secondVisit, SPass + 2)));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ASSERT_EQ(FrameHandingBack(run), SceneFrame(3 * SPass));

    std::string previousReply;  // empty at program start
    int endRestarts = 0;
    for (size_t i = 0; i < run.Sounds.size(); i++) {
        if (run.Sounds[i].Command != "status sound mode") continue;
        const long frame = run.Sounds[i].Frame;
        const long click = frame >= secondVisit ? secondVisit : 2;
        const long inPass = (frame - click) % SPass + 1;
        const bool restarted = i + 1 < run.Sounds.size() && run.Sounds[i + 1].Frame == frame &&
                               run.Sounds[i + 1].Command == "close sound";
        const bool changed = run.Sounds[i].Reply != previousReply;
        EXPECT_EQ(restarted, changed && inPass <= SLastRestartFrame)
            << "frame " << frame << ": " << previousReply << " -> " << run.Sounds[i].Reply;
        if (restarted && run.Sounds[i].Reply == "stopped" && inPass > SStill + 1) endRestarts++;
        previousReply = run.Sounds[i].Reply;
    }
    // The recording is short enough to end, and be started again, during each crawl.
    EXPECT_GE(endRestarts, 4);
    // The second visit's first watch compares with the "stopped" the first visit's last watch left.
    EXPECT_EQ(SoundsInFrame(run, VisitFrame(secondVisit, SStill + 1)), SFirstCrawlFrame);
}

// The chain's red as this scene lights it, with bounds of its own rather than Red's.
static bool ChainRed(int r, int g, int b) { return r > 150 && g < 110 && b < 110; }

static Area ChainIn(const std::string& path)
{
    return FindPixels(LoadShot(path), WholeShot, ChainRed);
}

TEST(SceneS, TheRedChainCrawlsFromTheLeftEdgeAcrossTheScene)
{
    const long shots[] = {SStill, SStill + 20, SStill + 40, SStill + 60};
    std::string options;
    for (const long shot : shots) options += ShotOf(SceneFrame(shot), ShotPath("s" + std::to_string(shot)));
    const TraceRun run = RunLetter('S', SceneFrame(SStill + 61), options);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;

    // Still waiting at x -28, the chain is out of sight on the left.
    EXPECT_LT(ChainIn(ShotPath("s" + std::to_string(shots[0]))).Pixels, 200);
    double lastX = -1;
    for (size_t i = 1; i < std::size(shots); i++) {
        const Area red = ChainIn(ShotPath("s" + std::to_string(shots[i])));
        EXPECT_GT(red.Pixels, 2000) << "crawl frame " << shots[i] - SStill;
        EXPECT_GT(red.MeanX, lastX + 100) << "crawl frame " << shots[i] - SStill;
        lastX = red.MeanX;
    }
}
