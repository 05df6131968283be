// ScenesKtoO_test.cpp -- scenes K to O traced: pass lengths, cue frames, hand-back, pictures at telling
// frames, and what scenes H, C, G and T leave behind for them.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "TraceRun.h"

using Frames = std::vector<long>;
using Commands = std::vector<std::string>;

// ---------------------------------------------------------------- helpers

// The frame that follows the first hand-back to the menu at or after 'from': the first frame a click can
// open another scene in.
static long FirstClickFrameAfterHandBack(const TraceRun& run, long from)
{
    for (const long handBack : HandBacks(run))
        if (handBack >= from) return handBack + 2;
    ADD_FAILURE() << "no hand-back from frame " << from;
    return -1;
}

// The frames at which each of 'passes' passes of 'length' frames sends its cue, starting with 'firstCue'.
static Frames EveryPass(long firstCue, long length, int passes)
{
    Frames frames;
    for (int pass = 0; pass < passes; pass++) frames.push_back(firstCue + pass * length);
    return frames;
}

static bool Black(int r, int g, int b) { return r < 25 && g < 25 && b < 25; }
static bool Green(int r, int g, int b) { return g > 90 && g > r + 30 && g > b + 30; }

static bool SamePixels(const Shot& a, const Shot& b, Box box)
{
    if (a.Width != b.Width || a.Height != b.Height) return false;
    for (int y = box.Top; y < std::min(box.Bottom, a.Height); y++)
        for (int x = box.Left; x < std::min(box.Right, a.Width); x++)
            for (int c = 0; c < 3; c++)
                if (a.Pixels[3 * (y * a.Width + x) + c] != b.Pixels[3 * (y * a.Width + x) + c]) return false;
    return true;
}

// Runs the options with a shot after each of the given trace frames and hands back the shots in order.
static std::vector<Shot> ShotsAt(const std::string& options, long frames, const Frames& at, const std::string& name)
{
    std::string shots;
    for (const long frame : at) shots += ShotOf(frame, ShotPath(name + std::to_string(frame)));
    const TraceRun run = RunTrace(options + " --frames " + std::to_string(frames) + shots);
    EXPECT_EQ(run.ExitCode, 0) << run.Errors;
    std::vector<Shot> loaded;
    for (const long frame : at) loaded.push_back(LoadShot(ShotPath(name + std::to_string(frame))));
    return loaded;
}

// Three passes of the given length, each sending the letter's sound (open, then play) in its cue frame
// and closing it in its last; then the hand-back, and the menu's click after it.
static void ExpectThreePassesThenTheMenuClick(const TraceRun& run, long passFrames, char letter, long cueFrame)
{
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(FrameWhenPassesReach(run, 1), SceneFrame(passFrames));
    EXPECT_EQ(FrameWhenPassesReach(run, 2), SceneFrame(2 * passFrames));
    EXPECT_EQ(FrameHandingBack(run), SceneFrame(3 * passFrames));
    const std::string open = std::string("open laut") + char(letter - 'A' + 'a') + ".wav alias sound";
    EXPECT_EQ(SoundFramesBetween(run, open, 2), EveryPass(SceneFrame(cueFrame), passFrames, 3));
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(cueFrame)), (Commands{open, "play sound"}));
    // the click's own close is in frame 2
    EXPECT_EQ(SoundFramesBetween(run, "close sound", 3, SceneFrame(3 * passFrames)),
              EveryPass(SceneFrame(passFrames), passFrames, 3));
    // the scene leaves its cue flag clear, so the menu clicks once on arrival
    EXPECT_EQ(SoundsInFrame(run, SceneFrame(3 * passFrames) + 1), MenuCue);
}

static void ExpectFigureStandsStill(const TraceRun& run, long lastFrame, float x, float z, float heading)
{
    for (long frame = SceneFrame(1); frame <= lastFrame; frame++) {
        const TraceFrameLine line = FrameAt(run, frame);
        EXPECT_FLOAT_EQ(line.X, x) << "frame " << frame;
        EXPECT_FLOAT_EQ(line.Z, z) << "frame " << frame;
        EXPECT_EQ(line.Heading, heading) << "frame " << frame;
    }
}

// Scene 'before', then the letter from the menu: its first pass lasts firstPass frames, the next
// passFrames, and its sound goes out in the given scene frames of the two passes.
static void ExpectFirstPassAfterScene(char before, char letter, long firstPass, long passFrames, const Frames& cues)
{
    const long click = FirstClickFrameAfterHandBack(RunLetter(before, 300), 2);
    const TraceRun run = RunLetter(before, VisitFrame(click, firstPass + passFrames + 1), ClickOn(letter, click));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    ASSERT_EQ(FrameAt(run, click).Scene, letter - 'A');
    EXPECT_EQ(FrameAt(run, VisitFrame(click, firstPass - 1)).Passes, 0);
    EXPECT_EQ(FrameAt(run, VisitFrame(click, firstPass)).Passes, 1);
    EXPECT_EQ(FrameAt(run, VisitFrame(click, firstPass + passFrames)).Passes, 2);
    const std::string open = std::string("open laut") + char(letter - 'A' + 'a') + ".wav alias sound";
    EXPECT_EQ(SoundFramesBetween(run, open, click), VisitFrames(click, cues));
}

// ---------------------------------------------------------------- scene K

// 55 walking frames (18 units passed on the 55th step), 3 fold frames, then 31 pause frames with the
// sound on the second.
constexpr long KWalkFrames = 55;
constexpr long KFoldFrames = 3;
constexpr long KPassFrames = KWalkFrames + KFoldFrames + 31;
constexpr long KCueFrame = KWalkFrames + KFoldFrames + 2;

TEST(SceneK, ThreePassesOfWalkFoldAndPauseWithTheSoundOnTheSecondPauseFrame)
{
    const TraceRun run = RunLetter('K', SceneFrame(3 * KPassFrames) + 2);
    ExpectThreePassesThenTheMenuClick(run, KPassFrames, 'K', KCueFrame);

    // a third of a unit along +x for 55 frames, then still until the pass puts it back
    for (long frame = 1; frame <= KWalkFrames; frame++)
        EXPECT_NEAR(FrameAt(run, SceneFrame(frame)).X, -23.1 + frame / 3.0, 1e-4) << "scene frame " << frame;
    for (long frame = KWalkFrames; frame < KPassFrames; frame++)
        EXPECT_EQ(FrameAt(run, SceneFrame(frame)).X, FrameAt(run, SceneFrame(KWalkFrames)).X);
    EXPECT_NEAR(FrameAt(run, SceneFrame(KPassFrames)).X, -23.1, 1e-6);
    EXPECT_NEAR(FrameAt(run, SceneFrame(KPassFrames + 1)).X, -23.1 + 1 / 3.0, 1e-4);
}

TEST(SceneK, AfterSceneTTheFirstPauseIsTenFramesShorterAndSilent)
{
    // T leaves HeadPhase at 10; only the second pass plays the sound, on its second pause frame
    ExpectFirstPassAfterScene('T', 'K', KPassFrames - 10, KPassFrames, {KPassFrames - 10 + KCueFrame});
}

TEST(SceneK, ThePropKeepsLevelWithTheWalkerAndFoldsInThreeFixedSteps)
{
    // drawn in scene frames 20 and 40 while walking, 56 stopped, 57 to 59 with fold steps 1 to 3, 80 paused
    const Frames at = {SceneFrame(20), SceneFrame(40), SceneFrame(56), SceneFrame(57), SceneFrame(58),
                       SceneFrame(59), SceneFrame(80)};
    const std::vector<Shot> shots = ShotsAt(ClickOn('K', 2), SceneFrame(80), at, "k");
    const Area walking1 = FindPixels(shots[0], WholeShot, Red), walking2 = FindPixels(shots[1], WholeShot, Red);
    const Area stopped = FindPixels(shots[2], WholeShot, Red);
    ASSERT_GT(walking1.Pixels, 500);
    // 20 frames of walking carry the prop 6.67 units to the right, well across the picture
    EXPECT_GT(walking2.MeanX, walking1.MeanX + 100);
    EXPECT_GT(stopped.MeanX, walking2.MeanX + 50);
    // every fold step is a pose of its own, and the last is held through the pause
    EXPECT_FALSE(SamePixels(shots[2], shots[3], WholeShot));
    EXPECT_FALSE(SamePixels(shots[3], shots[4], WholeShot));
    EXPECT_FALSE(SamePixels(shots[4], shots[5], WholeShot));
    EXPECT_TRUE(SamePixels(shots[5], shots[6], WholeShot));
}

// ---------------------------------------------------------------- scene L

// 35 steps left, 36 right, 50 left, the stop with the sound at frame 122, and the pass end at frame 170.
constexpr long LFirstLeg = 35;
constexpr long LSecondLeg = LFirstLeg + 36;
constexpr long LThirdLeg = LSecondLeg + 50;
constexpr long LPassFrames = 170;

TEST(SceneL, ThreePassesOfLeftRightLeftAndAStopBesideTheL)
{
    const TraceRun run = RunLetter('L', SceneFrame(3 * LPassFrames) + 2);
    ExpectThreePassesThenTheMenuClick(run, LPassFrames, 'L', LThirdLeg + 1);

    for (const long pass : {0L, LPassFrames}) {
        const auto x = [&](long frame) { return FrameAt(run, SceneFrame(pass + frame)).X; };
        const auto heading = [&](long frame) { return FrameAt(run, SceneFrame(pass + frame)).Heading; };
        EXPECT_NEAR(x(LFirstLeg), 0.9 - 35 / 3.0, 1e-4);
        EXPECT_NEAR(x(LSecondLeg), 0.9 + 1 / 3.0, 1e-4);
        EXPECT_NEAR(x(LThirdLeg), 0.9 - 49 / 3.0, 1e-4);
        EXPECT_EQ(heading(LFirstLeg), 180);
        EXPECT_EQ(heading(LFirstLeg + 1), 0);
        EXPECT_EQ(heading(LSecondLeg), 0);
        EXPECT_EQ(heading(LSecondLeg + 1), 180);
        // it stops on the floor rod of the L (x -16.15 to -13.15), then stands facing right
        EXPECT_GT(x(LThirdLeg), -16.15);
        EXPECT_LT(x(LThirdLeg), -13.15);
        for (long frame = LThirdLeg + 1; frame < LPassFrames; frame++) {
            EXPECT_EQ(x(frame), x(LThirdLeg));
            EXPECT_EQ(heading(frame), 0);
        }
        EXPECT_NEAR(FrameAt(run, SceneFrame(pass + LPassFrames)).X, 0.9, 1e-6);
        EXPECT_EQ(heading(LPassFrames), 180);
    }
}

// ---------------------------------------------------------------- scene M

// 10 frames rising, 8 of the ball's arc, the sound with the first of 10 frames sinking, 21 of pause.
constexpr long MCueFrame = 10 + 8 + 1;
constexpr long MPassFrames = 10 + 8 + 10 + 21;

TEST(SceneM, ThreePassesOfRiseArcSinkAndPauseWhileTheFigureStandsStill)
{
    const TraceRun run = RunLetter('M', SceneFrame(3 * MPassFrames) + 2);
    ExpectThreePassesThenTheMenuClick(run, MPassFrames, 'M', MCueFrame);
    ExpectFigureStandsStill(run, SceneFrame(3 * MPassFrames) - 1, 0, 0, 90);
}

TEST(SceneM, TheZigzagRisesAndSinksWhileTheRodFieldFlickersEveryFrame)
{
    // drawn risen 0 (scene frame 1), 10 (frame 15), sunk 10 (frame 30) and in the next pause frame
    const Frames at = {SceneFrame(1), SceneFrame(15), SceneFrame(30), SceneFrame(31)};
    const std::vector<Shot> shots = ShotsAt(ClickOn('M', 2), SceneFrame(31), at, "m");
    EXPECT_LT(FindPixels(shots[0], WholeShot, Red).Pixels, 50);
    EXPECT_GT(FindPixels(shots[1], WholeShot, Red).Pixels, 2000);
    EXPECT_LT(FindPixels(shots[2], WholeShot, Red).Pixels, 50);
    // nothing else moves in the pause, yet the field is drawn with new random thicknesses
    EXPECT_FALSE(SamePixels(shots[2], shots[3], WholeShot));
}

// ---------------------------------------------------------------- scene N

// The flight takes 11 frames; then 4 of growth, 1 starting the sound, 21 of pause, 2 shrinking, 1 closing.
constexpr long NFlightFrames = 11;
constexpr long NGrowthCue = 4 + 1;
constexpr long NGrowthFrames = 4 + 1 + 21 + 2 + 1;
constexpr long NPassFrames = NFlightFrames + NGrowthFrames;

TEST(SceneN, ThreePassesOfFlightThenGrowthWithTheSoundWhenTheRodIsFull)
{
    const TraceRun run = RunLetter('N', SceneFrame(3 * NPassFrames) + 2);
    ExpectThreePassesThenTheMenuClick(run, NPassFrames, 'N', NFlightFrames + NGrowthCue);
}

TEST(SceneN, TheAngleDropsHalfWayThroughTheFlightAndTheGreenRodGrowsAndShrinks)
{
    // the drop shows from scene frame 7 (the ball's progress was 5 in frame 6) to 11, the last of the flight
    const Frames at = {SceneFrame(6), SceneFrame(7), SceneFrame(11), SceneFrame(12), SceneFrame(14),
                       SceneFrame(16), SceneFrame(NPassFrames)};
    const std::vector<Shot> shots = ShotsAt(ClickOn('N', 2), SceneFrame(NPassFrames), at, "n");
    const Area before = FindPixels(shots[0], WholeShot, Red), dropped = FindPixels(shots[1], WholeShot, Red);
    ASSERT_GT(before.Pixels, 500);
    // 1.5 units left and away move the angle some 30 pixels; the flickering rods hide a little more or less
    EXPECT_LT(dropped.MeanX, before.MeanX - 20);
    EXPECT_NEAR(FindPixels(shots[2], WholeShot, Red).MeanX, dropped.MeanX, 2);
    EXPECT_NEAR(FindPixels(shots[3], WholeShot, Red).MeanX, before.MeanX, 2);
    // no rod at the start of the growth, a longer one two frames on, the full rod, and none at the end
    const long none = FindPixels(shots[3], WholeShot, Green).Pixels;
    const long growing = FindPixels(shots[4], WholeShot, Green).Pixels;
    const long full = FindPixels(shots[5], WholeShot, Green).Pixels;
    EXPECT_GT(growing, none + 200);
    EXPECT_GT(full, growing + 200);
    EXPECT_NEAR(FindPixels(shots[6], WholeShot, Green).Pixels, none, 50);
}

TEST(SceneN, AfterSceneHTheFirstPassStartsWithTheGrowth)
{
    // H hands back with its second cue flag set
    ExpectFirstPassAfterScene('H', 'N', NGrowthFrames, NPassFrames, {NGrowthCue, NGrowthFrames + NFlightFrames + NGrowthCue});
}

TEST(SceneN, AfterScenesCAndGTheArmStaysDownInTheFirstFlightOnly)
{
    // C then G leave the shared latch set. Clicks are taken only in the menu, so a click on G in every
    // frame around C's end opens G as soon as the menu is back, and the same for N after G.
    std::string clicks = ClickOn('C', 2);
    for (long frame = 400; frame <= 500; frame++) clicks += ClickOn('G', frame);
    for (long frame = 800; frame <= 950; frame++) clicks += ClickOn('N', frame);
    const TraceRun plain = RunTrace(clicks + " --frames 960");
    ASSERT_EQ(plain.ExitCode, 0) << plain.Errors;
    long origin = -1;
    for (const TraceFrameLine& line : plain.Frames)
        if (origin < 0 && line.Scene == 13) origin = line.Frame - 1;
    ASSERT_GT(origin, 800) << "scenes C and G did not run before N";
    ASSERT_EQ(FrameAt(plain, origin).Scene, 25);
    ASSERT_EQ(FrameAt(plain, origin - 1).Scene, 6);  // G handed back in the frame before

    // the figure stands at the right edge of the picture, clear of the rod field and the ball
    const Box figure = {650, 0, 742, 523};
    const std::vector<Shot> chained =
        ShotsAt(clicks, origin + NPassFrames + 5, {origin + 5, origin + NPassFrames + 5}, "cgn");
    const std::vector<Shot> fresh = ShotsAt(ClickOn('N', 2), SceneFrame(5), {SceneFrame(5)}, "nfresh");
    EXPECT_FALSE(SamePixels(chained[0], fresh[0], figure));
    EXPECT_TRUE(SamePixels(chained[1], fresh[0], figure));
}

// ---------------------------------------------------------------- scene O

// 20 frames of waiting, 8 of somersault to the top, the mouth opening from the next (the sound with it),
// open until its 20 frames are counted, then four closing frames: 0.3 as a float is a hair above 0.3,
// so three subtractions of 0.1 leave a small positive rest; the pass ends in the frame after.
constexpr long OWaitFrames = 20;
constexpr long OCueFrame = OWaitFrames + 8 + 1;
constexpr long OClosingFrames = 4;
constexpr long OPassFrames = OWaitFrames + 8 + 20 + OClosingFrames + 1;

TEST(SceneO, ThreePassesOfWaitSomersaultsAndMouthWithAFourStepClose)
{
    const TraceRun run = RunLetter('O', SceneFrame(3 * OPassFrames) + 2);
    ExpectThreePassesThenTheMenuClick(run, OPassFrames, 'O', OCueFrame);
    ExpectFigureStandsStill(run, SceneFrame(3 * OPassFrames) - 1, -3.1f, -2.1f, 180);
}

TEST(SceneO, AfterSceneTTheFirstWaitLastsTenFrames)
{
    // T leaves HeadPhase at 10
    ExpectFirstPassAfterScene('T', 'O', OPassFrames - 10, OPassFrames, {OCueFrame - 10, OPassFrames - 10 + OCueFrame});
}

TEST(SceneO, TheMouthOpensWideAndTheLastClosingStepShowsItBelowClosed)
{
    // the ball's black: closed (scene frame 1), open wide (frame 33), with the small rest of the third
    // closing step (frame 52), and with about -0.1 in the pass's last frame, where the mouth hides inside
    // the ball and the eyes grow past their size at rest
    const Box ball = {200, 150, 440, 380};
    const Frames at = {SceneFrame(1), SceneFrame(33), SceneFrame(OPassFrames - 1), SceneFrame(OPassFrames)};
    const std::vector<Shot> shots = ShotsAt(ClickOn('O', 2), SceneFrame(OPassFrames), at, "o");
    const long closed = FindPixels(shots[0], ball, Black).Pixels, open = FindPixels(shots[1], ball, Black).Pixels;
    const long almostClosed = FindPixels(shots[2], ball, Black).Pixels;
    const long overClosed = FindPixels(shots[3], ball, Black).Pixels;
    ASSERT_GT(closed, 200);
    EXPECT_GT(open, 4 * closed);
    EXPECT_NEAR(almostClosed, closed, 20);  // a tiny positive rest looks closed
    EXPECT_GT(overClosed, closed + 200);
}
