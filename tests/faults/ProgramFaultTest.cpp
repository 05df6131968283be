// ProgramFaultTest.cpp -- the whole program when the person closes the window in any scene, when the tick
// count wraps, when there is no display and when there is no audio device.
#include <gtest/gtest.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>
#include "ProcessRun.h"

struct HarnessFrame {
    long Frame;
    uint32_t Tick;
    int Scene;
    int Passes;
};

static std::vector<HarnessFrame> HarnessFrames(const ProcessResult& run)
{
    std::vector<HarnessFrame> frames;
    for (const std::string& line : Lines(run.Output)) {
        HarnessFrame frame{};
        if (std::sscanf(line.c_str(), "frame %ld tick %u scene %d passes %d", &frame.Frame, &frame.Tick, &frame.Scene,
                        &frame.Passes) == 4)
            frames.push_back(frame);
    }
    return frames;
}

static ProcessResult RunHarness(char letter, const std::string& closeAt, const std::string& moreEnvironment = "")
{
    return RunProcess(QUILLORA_DATA_DIR,
                      std::string("QUILLORA_FAULT_LETTER=") + letter + " QUILLORA_FAULT_CLOSE_AT=" + closeAt + " " +
                          moreEnvironment,
                      QUILLORA_HARNESS_PATH);
}

// Every frame was drawn once, in order, and the last one drawn is the one during which the close box was pressed.
// Without a sound device the program says so once, and nothing else.
static bool QuietButForTheSoundDevice(const std::string& errors)
{
    const std::vector<std::string> lines = Lines(errors);
    return lines.empty() ||
           (lines.size() == 1 && lines[0].rfind("quillora: no sound device could be opened", 0) == 0);
}

static void ExpectClosedAfter(const ProcessResult& run, long closedFrame, const std::string& what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(run.ExitCode, 0) << run.Output << run.Errors;
    EXPECT_TRUE(QuietButForTheSoundDevice(run.Errors)) << run.Errors;
    const std::vector<HarnessFrame> frames = HarnessFrames(run);
    ASSERT_FALSE(frames.empty());
    for (size_t i = 0; i < frames.size(); i++) ASSERT_EQ(frames[i].Frame, static_cast<long>(i) + 1);
    EXPECT_EQ(frames.back().Frame, closedFrame);
}

// The letters' scenes; W opens the same scene as V.
static const std::string SceneLetters = "ABCDEFGHIJKLMNOPQRSTUVXYZ";

class WindowClosed : public testing::TestWithParam<char> {};

TEST_P(WindowClosed, AtTheScenesFirstFrameItsThirtiethAndBackInTheMenu_EndsWithCode0AndDrawsNoMore)
{
    const char letter = GetParam();
    // The click after frame 1 opens the scene from frame 2 on.
    for (const long frame : {2L, 31L}) {
        const ProcessResult run = RunHarness(letter, std::to_string(frame));
        ExpectClosedAfter(run, frame, std::string("closed at frame ") + std::to_string(frame));
        const std::vector<HarnessFrame> frames = HarnessFrames(run);
        ASSERT_FALSE(frames.empty());
        EXPECT_NE(frames.back().Scene, 25) << "the scene had already ended";
    }
    // Played through to the menu with no audio device at all: the scenes go on silently and hand back.
    const ProcessResult run = RunHarness(letter, "menu", "SDL_AUDIODRIVER=no-such-device");
    const std::vector<HarnessFrame> frames = HarnessFrames(run);
    ASSERT_GE(frames.size(), 3u) << run.Errors;
    ExpectClosedAfter(run, static_cast<long>(frames.size()), "closed on the menu's first frame after the scene");
    EXPECT_EQ(frames.back().Scene, 25);
    EXPECT_NE(frames[frames.size() - 2].Scene, 25);
}

INSTANTIATE_TEST_SUITE_P(EveryScene, WindowClosed, testing::ValuesIn(SceneLetters.begin(), SceneLetters.end()),
                         [](const testing::TestParamInfo<char>& info) { return std::string(1, info.param); });

TEST(TickWrap, InTheMiddleOfASceneTheFramesStay90MsApartAndTheSceneRunsAsAlways)
{
    // Scene F, which times its sound by the clock; the count wraps at about its 40th frame.
    const ProcessResult usual = RunHarness('F', "menu");
    const ProcessResult wrapped = RunHarness('F', "menu", "QUILLORA_FAULT_START_TICK=4294963700");
    ExpectClosedAfter(wrapped, static_cast<long>(HarnessFrames(usual).size()), "wrapped");
    const std::vector<HarnessFrame> a = HarnessFrames(usual);
    const std::vector<HarnessFrame> b = HarnessFrames(wrapped);
    ASSERT_EQ(a.size(), b.size());
    bool wrapSeen = false;
    for (size_t i = 1; i < b.size(); i++) {
        EXPECT_EQ(static_cast<uint32_t>(b[i].Tick - b[i - 1].Tick), 90u) << "frame " << b[i].Frame;
        wrapSeen = wrapSeen || b[i].Tick < b[i - 1].Tick;
        EXPECT_EQ(b[i].Scene, a[i].Scene) << "frame " << b[i].Frame;
        EXPECT_EQ(b[i].Passes, a[i].Passes) << "frame " << b[i].Frame;
    }
    EXPECT_TRUE(wrapSeen);
}

// A trace's lines with every tick taken out, so runs that started at different ticks can be compared.
static std::vector<std::string> WithoutTicks(const std::string& output)
{
    std::vector<std::string> lines;
    for (std::string line : Lines(output)) {
        const size_t at = line.find(",\"tick\":");
        if (at != std::string::npos) line.erase(at, line.find(',', at + 1) - at);
        lines.push_back(line);
    }
    return lines;
}

static ProcessResult RunTrace(const std::string& options)
{
    return RunProcess(QUILLORA_DATA_DIR, "", std::string(QUILLORA_TRACE_PATH) + " " + options);
}

TEST(TickWrap, NeitherTheMenusQuietPeriodNorSceneFsSoundBeatNoticeIt)
{
    // The menu's names are quiet for 1500 ms after it is set up; B is reached at frame 5 (quiet), C at frame 20 (named), F clicked at 22.
    // Scene F restarts its sound every 2500 ms. One wrap falls in the quiet period, one in scene F.
    const std::string route = "--frames 150 --move 178,58@5 --move 275,58@20 --click 590,58@22";
    const ProcessResult usual = RunTrace(route);
    ASSERT_EQ(usual.ExitCode, 0) << usual.Errors;
    for (const char* start : {"4294966796", "4294963000"}) {
        const ProcessResult wrapped = RunTrace(route + " --start-tick " + start);
        ASSERT_EQ(wrapped.ExitCode, 0) << wrapped.Errors;
        EXPECT_EQ(WithoutTicks(wrapped.Output), WithoutTicks(usual.Output)) << "starting at tick " << start;
    }
    EXPECT_NE(usual.Output.find("\"sound\":\"play soundx\""), std::string::npos) << "no letter was named";
}

TEST(NoDisplay, TheProgramSaysSoInOneLineAndEndsWithCode1)
{
    // Nothing named (SDL would otherwise fall back to a window no one sees); an X display that is not there;
    // a Wayland one that is not there.
    const char* const environments[] = {
        "env -u SDL_VIDEODRIVER -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR=/tmp",
        "env -u DISPLAY SDL_VIDEODRIVER=x11 DISPLAY=:97",
        "env -u DISPLAY SDL_VIDEODRIVER=wayland WAYLAND_DISPLAY=no-such-display XDG_RUNTIME_DIR=/tmp",
        // Outside a login session Wayland's own library adds a line of its own before the program's.
        "env -u SDL_VIDEODRIVER -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR",
    };
    for (const char* environment : environments) {
        const ProcessResult run =
            RunProcess(QUILLORA_DATA_DIR, environment, std::string("timeout 60 ") + QUILLORA_PROGRAM_PATH);
        SCOPED_TRACE(environment);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Output, "");
        const std::vector<std::string> lines = Lines(run.Errors);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().rfind("quillora: no display could be opened (", 0), 0u) << lines.back();
        const bool outsideASession = std::string(environment).find("-u XDG_RUNTIME_DIR") != std::string::npos;
        EXPECT_EQ(lines.size(), outsideASession ? 2u : 1u) << run.Errors;
    }
}

TEST(NoAudioDevice, TheRealProgramSaysSoOnceRunsSilentlyAndEndsWithCode0WhenAskedToQuit)
{
    // The window system's quit request (here the termination signal, which SDL turns into one) ends it.
    const ProcessResult run = RunProcess(QUILLORA_DATA_DIR, "SDL_AUDIODRIVER=no-such-device",
                                         std::string("timeout --preserve-status -s TERM 15 ") + QUILLORA_PROGRAM_PATH);
    EXPECT_EQ(run.ExitCode, 0) << run.Errors;
    const std::vector<std::string> lines = Lines(run.Errors);
    ASSERT_EQ(lines.size(), 1u) << run.Errors;
    EXPECT_EQ(lines[0].rfind("quillora: no sound device could be opened", 0), 0u) << lines[0];
}
