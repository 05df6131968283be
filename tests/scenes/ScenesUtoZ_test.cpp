// ScenesUtoZ_test.cpp -- scenes U to Z traced: pass lengths, cue frames, hand-back, the mode watch of
// X and Y, and what T, H, X and Y leave behind for them.
#include <gtest/gtest.h>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include "TraceRun.h"

using Frames = std::vector<long>;
using Commands = std::vector<std::string>;

static Frames Shifted(Frames frames, long by)
{
    for (long& frame : frames) frame += by;
    return frames;
}

static Commands OpenAndPlay(const std::string& file)
{
    return {"open " + file + " alias sound", "play sound"};
}

static Commands CloseOpenAndPlay(const std::string& file)
{
    return {"close sound", "open " + file + " alias sound", "play sound"};
}

// A scene's first frame carries the commands of the click and the set-up that opened it; the scene's
// own come after the set-up's "open auto.wav alias auto".
static Commands FirstFrameSounds(const TraceRun& run, long frame)
{
    Commands commands = SoundsInFrame(run, frame);
    for (size_t i = 0; i < commands.size(); i++)
        if (commands[i] == "open auto.wav alias auto") return Commands(commands.begin() + i + 1, commands.end());
    ADD_FAILURE() << "frame " << frame << " is not the first of a scene";
    return commands;
}

static void ExpectMenuCueAfter(const TraceRun& run, long handBack)
{
    EXPECT_EQ(SoundsInFrame(run, handBack + 1), MenuCue) << "after the hand-back in frame " << handBack;
}

static bool HasMenuCueAfter(const TraceRun& run, long handBack)
{
    return !SoundFramesBetween(run, MenuCue.front(), handBack).empty();
}

// How long the trace's virtual playback plays a recording of the build's data: the WAV data size over
// its byte rate, in whole milliseconds.
static long RecordingMs(const std::string& file)
{
    std::ifstream in(std::string(QUILLORA_DATA_DIR) + "/" + file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto little = [&](size_t at) {
        uint32_t value = 0;
        for (int i = 3; i >= 0; i--) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    uint32_t byteRate = 0;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t size = little(at + 4);
        if (bytes.compare(at, 4, "fmt ") == 0) byteRate = little(at + 8 + 8);
        if (bytes.compare(at, 4, "data") == 0 && byteRate != 0) return static_cast<long>(uint64_t{size} * 1000 / byteRate);
        at += 8 + size + (size & 1);
    }
    ADD_FAILURE() << file << " is not a WAV file the trace can time";
    return 0;
}

// The frames in which a mode watch that runs every frame from 'first' to 'last' restarts a recording of
// 'lengthMs' that was (re)started in 'first': frames are 90 ms apart, and the restart comes in the first
// frame whose watch finds it stopped.
static Frames RestartsEvery(long first, long last, long lengthMs)
{
    const long period = (lengthMs + 89) / 90;
    Frames frames;
    for (long frame = first; frame <= last; frame += period) frames.push_back(frame);
    return frames;
}

// The frames in which "status sound mode" was answered "stopped" and the recording restarted.
static Frames RestartFrames(const TraceRun& run, long first, long last, const std::string& file)
{
    Frames frames;
    for (long frame = first; frame <= last; frame++) {
        const Commands commands = SoundsInFrame(run, frame);
        for (size_t i = 0; i + 2 < commands.size(); i++)
            if (commands[i] == "close sound" && commands[i + 1] == "open " + file + " alias sound") frames.push_back(frame);
    }
    return frames;
}

static bool HasStatusQuery(const TraceRun& run, long first, long last)
{
    for (long frame = first; frame <= last; frame++)
        for (const std::string& command : SoundsInFrame(run, frame))
            if (command == "status sound mode") return true;
    return false;
}

static std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    return bytes;
}

// Runs from a program start, visiting the letters in turn, each clicked before its frame.
static TraceRun RunVisits(const std::vector<std::pair<char, long>>& visits, long frames, const std::string& more = "")
{
    std::string options = "--frames " + std::to_string(frames);
    for (const auto& [letter, click] : visits) options += ClickOn(letter, click);
    return RunTrace(options + " " + more);
}

// The fresh runs several tests read, traced once.
static const TraceRun& FreshX()
{
    static const TraceRun run = RunLetter('X', SceneFrame(405));
    return run;
}

static const TraceRun& FreshY()
{
    static const TraceRun run = RunLetter('Y', SceneFrame(125));
    return run;
}

// T leaves HeadPhase at 10 and SceneCounterB at 1; T hands back in its frame 164, well before 200.
constexpr long AfterT = 200;

// ---------------------------------------------------------------- U

TEST(SceneU, WalksDropsRollsThenPlaysItsSoundThreeTimes)
{
    const TraceRun run = RunLetter('U', SceneFrame(292));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(FrameAt(run, SceneFrame(1)).Scene, 20);

    // 27 walking frames from -25 bring the figure to just below -16, which counts as arrived.
    EXPECT_LT(FrameAt(run, SceneFrame(26)).X, -16);
    EXPECT_NEAR(FrameAt(run, SceneFrame(27)).X, -16, 1e-4);
    EXPECT_EQ(FrameAt(run, SceneFrame(28)).X, FrameAt(run, SceneFrame(27)).X);

    // Then 4 falling and 24 rolling frames; the recording starts in frame 56 without a close before it,
    // and the 41st frame from there closes it and ends the pass. The figure is back at -25 without walking.
    const Frames passEnds = {SceneFrame(96), SceneFrame(192), SceneFrame(288)};
    EXPECT_EQ(SoundFramesBetween(run, "open lautu.wav alias sound", 3), Shifted(passEnds, -40));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(56)), OpenAndPlay("lautu.wav"));
    EXPECT_EQ(SoundFramesBetween(run, "close sound", 3), passEnds);
    EXPECT_EQ(FrameWhenPassesReach(run, 1), passEnds[0]);
    EXPECT_EQ(FrameWhenPassesReach(run, 2), passEnds[1]);
    EXPECT_EQ(FrameAt(run, passEnds[0]).X, -25);

    EXPECT_EQ(FrameHandingBack(run), passEnds[2]);
    ExpectMenuCueAfter(run, passEnds[2]);
}

// U never changes HeadPhase but draws its figure's arms by it: after T (10) they are swung out, so the
// picture differs from a fresh U; after Y, which leaves nothing U reads, it is the same picture.
TEST(SceneU, DrawsItsArmsAsTheHeadPhaseLeftByTSays)
{
    const long uFrame = 28;  // the figure has just stopped beside the U
    const std::string fresh = ShotPath("u-fresh"), afterT = ShotPath("u-after-t"), afterY = ShotPath("u-after-y");
    RunLetter('U', SceneFrame(uFrame), ShotOf(SceneFrame(uFrame), fresh));
    const TraceRun tu = RunVisits({{'T', 2}, {'U', AfterT}}, VisitFrame(AfterT, uFrame),
                                  ShotOf(VisitFrame(AfterT, uFrame), afterT));
    const TraceRun yu = RunVisits({{'Y', 2}, {'U', AfterT}}, VisitFrame(AfterT, uFrame),
                                  ShotOf(VisitFrame(AfterT, uFrame), afterY));
    EXPECT_EQ(FrameAt(tu, AfterT).Scene, 20);
    EXPECT_EQ(FrameAt(yu, AfterT).Scene, 20);

    const std::string freshImage = FileBytes(fresh);
    ASSERT_FALSE(freshImage.empty());
    EXPECT_NE(FileBytes(afterT), freshImage);
    EXPECT_EQ(FileBytes(afterY), freshImage);
}

// ---------------------------------------------------------------- V and W

TEST(SceneVW, BacksOffTipsTheVFetchesTheSecondAndMakesTheWTwice)
{
    const TraceRun run = RunLetter('W', SceneFrame(352));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(FrameAt(run, SceneFrame(1)).Scene, 21);

    // Where the figure stands at the end of each stretch of the story.
    EXPECT_EQ(FrameAt(run, SceneFrame(10)).X, -10);                   // the wait
    EXPECT_NEAR(FrameAt(run, SceneFrame(18)).X, -12.67, 0.01);        // first backward walk
    EXPECT_NEAR(FrameAt(run, SceneFrame(29)).X, -12.67, 0.01);        // the V tips
    EXPECT_NEAR(FrameAt(run, SceneFrame(60)).X, -23, 0.01);           // second backward walk
    EXPECT_NEAR(FrameAt(run, SceneFrame(109)).X, -6.67, 0.01);        // forward with the second V
    EXPECT_NEAR(FrameAt(run, SceneFrame(127)).X, -12.67, 0.01);       // back while the V rights itself
    EXPECT_NEAR(FrameAt(run, SceneFrame(132)).X, -14.33, 0.01);       // the W stands
    EXPECT_NEAR(FrameAt(run, SceneFrame(133)).X, -14.33, 0.01);

    // Two passes of 174 frames: the V sound without a close, the W sound with one, a close at each end.
    EXPECT_EQ(SoundFramesBetween(run, "open lautv.wav alias sound", 3), Frames({SceneFrame(30), SceneFrame(204)}));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(30)), OpenAndPlay("lautv.wav"));
    EXPECT_EQ(SoundFramesBetween(run, "open lautw.wav alias sound", 3), Frames({SceneFrame(133), SceneFrame(307)}));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(133)), CloseOpenAndPlay("lautw.wav"));
    EXPECT_EQ(FrameWhenPassesReach(run, 1), SceneFrame(174));
    EXPECT_EQ(FrameAt(run, SceneFrame(174)).X, -10);
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(174)), Commands({"close sound"}));

    EXPECT_EQ(FrameHandingBack(run), SceneFrame(348));
    ExpectMenuCueAfter(run, SceneFrame(348));
}

// T leaves HeadPhase at 10 and U passes it on untouched: the first pass of V/W skips its wait.
TEST(SceneVW, SkipsTheFirstWaitAfterTAndU)
{
    const long vClick = AfterT + 300;  // U hands back 288 frames after its click
    const TraceRun run = RunVisits({{'T', 2}, {'U', AfterT}, {'V', vClick}}, VisitFrame(vClick, 350));
    ASSERT_EQ(FrameAt(run, vClick).Scene, 21);
    EXPECT_EQ(HandBacks(run).size(), 3u);

    EXPECT_LT(FrameAt(run, VisitFrame(vClick, 1)).X, -10);  // backing off in its first frame
    EXPECT_EQ(SoundFramesBetween(run, "open lautv.wav alias sound", vClick),
              Frames({VisitFrame(vClick, 20), VisitFrame(vClick, 164 + 30)}));
    EXPECT_EQ(FrameWhenPassesReach(run, 1, vClick), VisitFrame(vClick, 164));
    EXPECT_EQ(HandBacks(run).back(), VisitFrame(vClick, 164 + 174));
}

// H leaves SecondCueStarted set: at -23 the second V is shown and placed at once, and the W follows.
TEST(SceneVW, SkipsTheForwardWalkAfterH)
{
    const long wClick = 300;  // H hands back in about 200 frames
    const TraceRun run = RunVisits({{'H', 2}, {'W', wClick}}, VisitFrame(wClick, 280));
    ASSERT_EQ(FrameAt(run, wClick).Scene, 21);

    EXPECT_EQ(SoundFramesBetween(run, "open lautv.wav alias sound", wClick).front(), VisitFrame(wClick, 30));
    EXPECT_EQ(SoundFramesBetween(run, "open lautw.wav alias sound", wClick).front(), VisitFrame(wClick, 61));
    EXPECT_NEAR(FrameAt(run, VisitFrame(wClick, 70)).X, -23, 0.01);  // it never walks forward
    // The W's wait of 41 frames ends the first pass; the second is whole again.
    EXPECT_EQ(FrameWhenPassesReach(run, 1, wClick), VisitFrame(wClick, 102));
    EXPECT_EQ(HandBacks(run).back(), VisitFrame(wClick, 102 + 174));
}

// C leaves its car counters where G, which reads them, starts "auto.wav" and sets SoundLatch without
// ever clearing it: after C and G the V sound stays silent in the first pass and plays in the second.
constexpr long GAfterC = 520, AfterCAndG = 940;  // C hands back in about 460 frames, G in 402

TEST(SceneVW, KeepsTheVSoundQuietInTheFirstPassAfterCAndG)
{
    const TraceRun run = RunVisits({{'C', 2}, {'G', GAfterC}, {'W', AfterCAndG}}, VisitFrame(AfterCAndG, 210));
    ASSERT_EQ(FrameAt(run, GAfterC).Scene, 6);
    ASSERT_EQ(FrameAt(run, AfterCAndG).Scene, 21);
    EXPECT_EQ(SoundFramesBetween(run, "open lautv.wav alias sound", AfterCAndG),
              Frames({VisitFrame(AfterCAndG, 174 + 30)}));
    EXPECT_EQ(SoundFramesBetween(run, "open lautw.wav alias sound", AfterCAndG).front(), VisitFrame(AfterCAndG, 133));
}

// ---------------------------------------------------------------- X

TEST(SceneX, WalkerComesFigureRunsWalkerGoesOnThreeTimes)
{
    const TraceRun& run = FreshX();
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(FrameAt(run, SceneFrame(1)).Scene, 22);

    // The letter sound opens in the first frame without a close; "schnell" comes when the walker stops.
    const Commands first = FirstFrameSounds(run, SceneFrame(1));
    ASSERT_GE(first.size(), 2u);
    EXPECT_EQ(Commands(first.begin(), first.begin() + 2), OpenAndPlay("lautx.wav"));
    const Frames passEnds = {SceneFrame(133), SceneFrame(266), SceneFrame(399)};
    EXPECT_EQ(SoundFramesBetween(run, "open schnell.wav alias sound", 3), Shifted(passEnds, 44 - 133));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(44)), CloseOpenAndPlay("schnell.wav"));
    EXPECT_EQ(SoundsInFrame(run, passEnds[0]), Commands({"close sound"}));
    EXPECT_EQ(FrameWhenPassesReach(run, 1), passEnds[0]);
    EXPECT_EQ(FrameWhenPassesReach(run, 2), passEnds[1]);

    // The run: faces 270 from frame 63 and backs off a third a frame for nine frames; the final wait
    // faces 180 again. FigureZ is never reset, so each pass runs from where the last one ended.
    EXPECT_EQ(FrameAt(run, SceneFrame(62)).Heading, 180);
    EXPECT_EQ(FrameAt(run, SceneFrame(63)).Heading, 270);
    for (int pass = 0; pass < 3; pass++) {
        const long start = 133 * pass;
        EXPECT_NEAR(FrameAt(run, SceneFrame(start + 62)).Z, -3.0 * pass, 1e-4) << "pass " << pass + 1;
        EXPECT_NEAR(FrameAt(run, SceneFrame(start + 63)).Z, -3.0 * pass - 1.0 / 3, 1e-4) << "pass " << pass + 1;
        EXPECT_NEAR(FrameAt(run, SceneFrame(start + 72)).Z, -3.0 * (pass + 1), 1e-4) << "pass " << pass + 1;
        EXPECT_EQ(FrameAt(run, SceneFrame(start + 92)).Heading, 270) << "pass " << pass + 1;
        EXPECT_EQ(FrameAt(run, SceneFrame(start + 93)).Heading, 180) << "pass " << pass + 1;
    }

    EXPECT_EQ(FrameHandingBack(run), passEnds[2]);
    EXPECT_EQ(FrameAt(run, passEnds[2]).Z, 0);
    ExpectMenuCueAfter(run, passEnds[2]);
}

// While the walker approaches, the watch restarts the letter sound in the first frame whose watch finds
// it stopped; while it stands and the figure runs nothing is watched; when it strides on the watch
// resumes and restarts the letter sound as soon as "schnell" has stopped.
TEST(SceneX, ModeWatchRestartsTheLetterSoundWheneverItStops)
{
    const TraceRun& run = FreshX();
    const long lautx = RecordingMs("lautx.wav");
    ASSERT_LT(RecordingMs("schnell.wav"), (73 - 44) * 90) << "schnell.wav must have ended when the walker goes on";
    // The program's first watch compares with the empty remembered reply, so frame 1 restarts at once.
    EXPECT_EQ(RestartFrames(run, SceneFrame(1), SceneFrame(43), "lautx.wav"),
              Shifted(RestartsEvery(1, 43, lautx), 1));
    EXPECT_FALSE(HasStatusQuery(run, SceneFrame(44), SceneFrame(72)));
    EXPECT_EQ(RestartFrames(run, SceneFrame(73), SceneFrame(92), "lautx.wav"),
              Shifted(RestartsEvery(73, 92, lautx), 1));
    EXPECT_FALSE(HasStatusQuery(run, SceneFrame(93), SceneFrame(133)));
}

// X's walker waits at 18 until HeadPhase reaches 20: T's 10 halves the wait, and T's SceneCounterB of 1
// takes a frame off the final wait.
TEST(SceneX, RunsTenFramesEarlierAfterT)
{
    const TraceRun run = RunVisits({{'T', 2}, {'X', AfterT}}, VisitFrame(AfterT, 130));
    ASSERT_EQ(FrameAt(run, AfterT).Scene, 22);
    EXPECT_EQ(SoundFramesBetween(run, "open schnell.wav alias sound", AfterT).front(), VisitFrame(AfterT, 44));
    EXPECT_EQ(FrameAt(run, VisitFrame(AfterT, 52)).Heading, 180);
    EXPECT_EQ(FrameAt(run, VisitFrame(AfterT, 53)).Heading, 270);
    EXPECT_EQ(FrameWhenPassesReach(run, 1, AfterT), VisitFrame(AfterT, 122));
}

// H leaves SecondCueStarted set: the walker goes straight on to 27, "schnell" plays there, and the
// figure's run falls into the final wait, which keeps turning it back to 180.
TEST(SceneX, WalkerGoesStraightOnAfterH)
{
    const long xClick = 300;  // H hands back in about 200 frames
    const TraceRun run = RunVisits({{'H', 2}, {'X', xClick}}, VisitFrame(xClick, 120));
    ASSERT_EQ(FrameAt(run, xClick).Scene, 22);
    EXPECT_EQ(SoundFramesBetween(run, "open schnell.wav alias sound", xClick).front(), VisitFrame(xClick, 68));
    EXPECT_FALSE(HasStatusQuery(run, VisitFrame(xClick, 68), VisitFrame(xClick, 108)));
    EXPECT_EQ(FrameAt(run, VisitFrame(xClick, 86)).Z, 0);
    EXPECT_NEAR(FrameAt(run, VisitFrame(xClick, 95)).Z, -3, 1e-4);
    EXPECT_EQ(FrameAt(run, VisitFrame(xClick, 90)).Heading, 180);
    EXPECT_EQ(FrameWhenPassesReach(run, 1, xClick), VisitFrame(xClick, 108));
}

// The same SoundLatch keeps "schnell" silent in X's first pass; the run still comes when the walker stops.
TEST(SceneX, KeepsSchnellQuietInTheFirstPassAfterCAndG)
{
    const TraceRun run = RunVisits({{'C', 2}, {'G', GAfterC}, {'X', AfterCAndG}}, VisitFrame(AfterCAndG, 180));
    ASSERT_EQ(FrameAt(run, AfterCAndG).Scene, 22);
    EXPECT_EQ(SoundFramesBetween(run, "open schnell.wav alias sound", AfterCAndG),
              Frames({VisitFrame(AfterCAndG, 133 + 44)}));
    EXPECT_EQ(FrameAt(run, VisitFrame(AfterCAndG, 63)).Heading, 270);
    EXPECT_EQ(FrameWhenPassesReach(run, 1, AfterCAndG), VisitFrame(AfterCAndG, 133));
}

// ---------------------------------------------------------------- Y

TEST(SceneY, GlidesThreeTimesAndLeavesTheMenuQuiet)
{
    const TraceRun& run = FreshY();
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(FrameAt(run, SceneFrame(1)).Scene, 23);
    EXPECT_EQ(FrameWhenPassesReach(run, 1), SceneFrame(39));
    EXPECT_EQ(FrameWhenPassesReach(run, 2), SceneFrame(78));
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(117));

    // The sound is opened without a close only once; later passes have only the watch, which restarts
    // it within the window (frames 23 to 28 of each pass) whenever it finds it stopped.
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(23)),
              Commands({"open lauty.wav alias sound", "play sound", "status sound mode", "close sound",
                        "open lauty.wav alias sound", "play sound", "status sound mode"}));
    const long lauty = RecordingMs("lauty.wav");
    for (int pass = 0; pass < 3; pass++) {
        const long start = 39 * pass;
        EXPECT_EQ(RestartFrames(run, SceneFrame(start + 1), SceneFrame(start + 39), "lauty.wav"),
                  Shifted(RestartsEvery(start + 23, start + 28, lauty), 1))
            << "pass " << pass + 1;
        EXPECT_FALSE(HasStatusQuery(run, SceneFrame(start + 29), SceneFrame(start + 39 + 22))) << "pass " << pass + 1;
    }
    EXPECT_EQ(SoundFramesBetween(run, "open lauty.wav alias sound", 3).size(),
              RestartFrames(run, 3, SceneFrame(117), "lauty.wav").size() + 1);

    // The cue flag stays set and the alias open, so the menu does not click after Y.
    EXPECT_FALSE(HasMenuCueAfter(run, SceneFrame(117)));
}

// X and Y remember the last mode reply in one shared place: each leaves "playing" there (every watch
// that finds the sound stopped restarts it and asks again), so the other's first watch sees no change.
TEST(SceneY, ModeWatchSharesItsMemoryWithX)
{
    const long xClick = 150, yClick = 600;
    const TraceRun run = RunVisits({{'Y', 2}, {'X', xClick}, {'Y', yClick}}, VisitFrame(yClick, 30));
    ASSERT_EQ(FrameAt(run, xClick).Scene, 22);
    ASSERT_EQ(FrameAt(run, yClick).Scene, 23);

    // The very first watch of the program sees a change and restarts; after Y, X's first does not.
    EXPECT_EQ(RestartFrames(run, SceneFrame(23), SceneFrame(23), "lauty.wav"), Frames({SceneFrame(23)}));
    EXPECT_EQ(FirstFrameSounds(run, VisitFrame(xClick, 1)), Commands({"open lautx.wav alias sound", "play sound",
                                                                    "status sound mode"}));
    EXPECT_EQ(SoundsInFrame(run, VisitFrame(yClick, 23)), Commands({"open lauty.wav alias sound", "play sound",
                                                                    "status sound mode"}));
}

// ---------------------------------------------------------------- Z

TEST(SceneZ, OpensHoldsClosesAndRestsThreeTimes)
{
    const TraceRun run = RunLetter('Z', SceneFrame(320));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(FrameAt(run, SceneFrame(1)).Scene, 24);

    const Frames passEnds = {SceneFrame(105), SceneFrame(210), SceneFrame(315)};
    EXPECT_EQ(SoundFramesBetween(run, "open lautz.wav alias sound", 3), Shifted(passEnds, 7 - 105));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(7)), OpenAndPlay("lautz.wav"));
    EXPECT_EQ(SoundFramesBetween(run, "open lautz2.wav alias sound", 3), Shifted(passEnds, 38 - 105));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(38)), CloseOpenAndPlay("lautz2.wav"));
    EXPECT_EQ(SoundsInFrame(run, passEnds[0]), Commands({"close sound"}));
    EXPECT_EQ(FrameWhenPassesReach(run, 1), passEnds[0]);
    EXPECT_EQ(FrameWhenPassesReach(run, 2), passEnds[1]);
    EXPECT_EQ(FrameHandingBack(run), passEnds[2]);
    ExpectMenuCueAfter(run, passEnds[2]);
}

// With T's HeadPhase of 10 the first pass never opens the Z: the second sound plays from frame 31, the
// hold counts on from 10, and T's SceneCounterB of 1 shortens the rest. Later passes are whole.
TEST(SceneZ, FirstPassSkipsTheOpeningAfterT)
{
    const TraceRun run = RunVisits({{'T', 2}, {'Z', AfterT}}, VisitFrame(AfterT, 295));
    ASSERT_EQ(FrameAt(run, AfterT).Scene, 24);
    EXPECT_EQ(SoundFramesBetween(run, "open lautz2.wav alias sound", AfterT),
              Frames({VisitFrame(AfterT, 31), VisitFrame(AfterT, 80 + 38), VisitFrame(AfterT, 185 + 38)}));
    EXPECT_EQ(FrameWhenPassesReach(run, 1, AfterT), VisitFrame(AfterT, 80));
    EXPECT_EQ(HandBacks(run).back(), VisitFrame(AfterT, 80 + 210));
}
