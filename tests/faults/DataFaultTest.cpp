// DataFaultTest.cpp -- every data file missing, cut short or replaced by garbage: the texture ends the program
// with a clear error, a picture is drawn black, a recording stays silent, and nothing else changes.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
#include "ProcessRun.h"

static ProcessResult RunTraceIn(const std::string& directory, const std::string& options)
{
    return RunProcess(directory, "", std::string(QUILLORA_TRACE_PATH) + " " + options);
}

// text inside single quotes of a shell command
static std::string Quoted(const std::string& text)
{
    std::string quoted;
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted;
}

// --- the stone texture

struct TextureFault {
    const char* What;
    const char* Reason;  // what the error must say
};

// Breaks the texture of a copy in one of the ways below.
static void BreakTexture(const std::string& directory, const std::string& what)
{
    const std::string path = directory + "/texstone1.raw";
    if (what == "missing") BreakDataFile(directory, "texstone1.raw", Breakage::Missing, 0);
    if (what == "truncated") BreakDataFile(directory, "texstone1.raw", Breakage::Truncated, 12287);
    if (what == "empty") BreakDataFile(directory, "texstone1.raw", Breakage::Truncated, 0);
    if (what == "a directory") {
        std::remove(path.c_str());
        std::filesystem::create_directory(path);
    }
}

TEST(StoneTexture, MissingShortEmptyOrNotAFile_EndsWithCode1AndSaysWhichFileAndWhy)
{
    const TextureFault faults[] = {
        {"missing", "No such file or directory"},
        {"truncated", "the file is shorter than 12288 bytes"},
        {"empty", "the file is shorter than 12288 bytes"},
        {"a directory", "the file cannot be read"},
    };
    for (const TextureFault& fault : faults) {
        SCOPED_TRACE(fault.What);
        const std::string data = MakeDataCopy();
        BreakTexture(data, fault.What);
        const std::string expected =
            std::string("quillora: Cannot read the stone texture \"texstone1.raw\": ") + fault.Reason;
        // The program itself, and the trace that runs the same start-up.
        const ProcessResult program = RunProcess(data, "", std::string("timeout 60 ") + QUILLORA_PROGRAM_PATH);
        EXPECT_EQ(program.ExitCode, 1);
        EXPECT_EQ(Lines(program.Errors).at(0), expected) << program.Errors;
        // The trace says it once, under its own name.
        const ProcessResult trace = RunTraceIn(data, "--frames 3");
        EXPECT_EQ(trace.ExitCode, 1);
        EXPECT_EQ(trace.Output.find("\"frame\":1,"), std::string::npos) << "a frame was drawn without a floor";
        EXPECT_EQ(trace.Errors, "quillora-trace" + expected.substr(std::string("quillora").size()) + "\n");
        RemoveDataCopy(data);
    }
}

// On a display the error also waits in a dialog. Pressing its button and a termination signal both end the
// program with the error's code; the signal must not be swallowed while the dialog waits.
TEST(StoneTexture, TheErrorDialogEndsWithCode1WhenClosedOrSignalled)
{
    if (std::system("{ command -v xvfb-run && command -v xdotool && command -v xwininfo; } >/dev/null") != 0)
        GTEST_SKIP() << "needs xvfb-run, xdotool and xwininfo (Debian packages xvfb, xdotool, x11-utils)";
    const std::string data = MakeDataCopy();
    BreakTexture(data, "missing");
    // The dialog, by its caption: up within 10 s (else exit 97), then ended by OK (Return) or by a signal; the
    // program is killed after 5 s more (exit 137), and the dialog must be gone with it (else exit 96).
    const char* endings[][2] = {{"the button", "xdotool windowfocus --sync $box key Return"},
                                {"SIGTERM", "kill -TERM $pid"},
                                {"SIGINT", "kill -INT $pid"},
                                {"SIGHUP", "kill -HUP $pid"}};
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending[0]);
        const std::string script =
            std::string("'") + QUILLORA_PROGRAM_PATH + "' & pid=$!; box=; for i in $(seq 100); do "
            "box=$(xwininfo -root -tree | awk '/ \"Error\": / { print $1; exit }'); [ -n \"$box\" ] && break; "
            "sleep 0.1; done; [ -n \"$box\" ] || { kill -9 $pid; exit 97; }; " + ending[1] + "; "
            "(sleep 5; kill -9 $pid) & dog=$!; wait $pid; code=$?; kill $dog; "
            "for i in $(seq 20); do xwininfo -root -tree | grep -q ' \"Error\": ' || exit $code; sleep 0.1; done; "
            "exit 96";
        const ProcessResult run = RunProcess(data, "SDL_VIDEODRIVER=x11", "xvfb-run -a sh -c '" + Quoted(script) + "'");
        EXPECT_EQ(run.ExitCode, 1) << run.Errors;
    }
    RemoveDataCopy(data);
}

TEST(StoneTexture, GarbageOfTheRightSizeIsATextureLikeAnyOther)
{
    const std::string data = MakeDataCopy();
    BreakDataFile(data, "texstone1.raw", Breakage::Garbage, 0);
    const ProcessResult usual = RunTraceIn(QUILLORA_DATA_DIR, "--frames 12 --click 80,58@2");
    const ProcessResult garbage = RunTraceIn(data, "--frames 12 --click 80,58@2");
    EXPECT_EQ(garbage.ExitCode, 0) << garbage.Errors;
    EXPECT_EQ(garbage.Output, usual.Output);
    RemoveDataCopy(data);
}

// --- the pictures

struct Shot {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Pixels;  // red, green, blue
};

static Shot ReadShot(const std::string& path)
{
    Shot shot;
    int channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &shot.Width, &shot.Height, &channels, 3);
    if (pixels != nullptr) {
        shot.Pixels.assign(pixels, pixels + static_cast<size_t>(shot.Width) * shot.Height * 3);
        stbi_image_free(pixels);
    }
    return shot;
}

// Where the broken picture's shot differs from the usual one it is black; and it differs over most of the
// window, because the picture filled it.
static void ExpectPictureTurnedBlack(const Shot& usual, const Shot& broken)
{
    ASSERT_FALSE(usual.Pixels.empty());
    ASSERT_EQ(broken.Pixels.size(), usual.Pixels.size());
    size_t changed = 0;
    size_t changedButNotBlack = 0;
    for (size_t i = 0; i < usual.Pixels.size(); i += 3) {
        if (usual.Pixels[i] == broken.Pixels[i] && usual.Pixels[i + 1] == broken.Pixels[i + 1] &&
            usual.Pixels[i + 2] == broken.Pixels[i + 2])
            continue;
        changed++;
        if (broken.Pixels[i] != 0 || broken.Pixels[i + 1] != 0 || broken.Pixels[i + 2] != 0) changedButNotBlack++;
    }
    EXPECT_EQ(changedButNotBlack, 0u);
    EXPECT_GT(changed, usual.Pixels.size() / 3 / 4);
}

TEST(Pictures, EachMissingCutOrGarbled_IsDrawnBlackAndNothingElseChanges)
{
    // Frame 1 shows the menu's picture; frame 6 is scene A's fifth frame, over the backdrop.
    const std::string route = "--frames 8 --click 80,58@2 --shot 1:menu.png --shot 6:scene.png";
    const std::string reference = MakeDataCopy();
    const ProcessResult usual = RunTraceIn(reference, route);
    ASSERT_EQ(usual.ExitCode, 0) << usual.Errors;
    const Shot usualMenu = ReadShot(reference + "/menu.png");
    const Shot usualScene = ReadShot(reference + "/scene.png");

    for (const char* picture : {"startscreen.gif", "bkgnd1.jpg"}) {
        for (const Breakage breakage : {Breakage::Missing, Breakage::Truncated, Breakage::Garbage}) {
            SCOPED_TRACE(std::string(picture) + " " + BreakageName(breakage));
            const std::string data = MakeDataCopy();
            BreakDataFile(data, picture, breakage, DataFileSize(picture) / 2);
            const ProcessResult run = RunTraceIn(data, route);
            EXPECT_EQ(run.ExitCode, 0) << run.Errors;
            EXPECT_EQ(run.Output, usual.Output);
            const bool menuPicture = std::string(picture) == "startscreen.gif";
            const Shot menu = ReadShot(data + "/menu.png");
            const Shot scene = ReadShot(data + "/scene.png");
            if (menuPicture) {
                ExpectPictureTurnedBlack(usualMenu, menu);
                EXPECT_EQ(scene.Pixels, usualScene.Pixels);
            } else {
                ExpectPictureTurnedBlack(usualScene, scene);
                EXPECT_EQ(menu.Pixels, usualMenu.Pixels);
            }
            RemoveDataCopy(data);
        }
    }
    RemoveDataCopy(reference);
}

// --- the recordings

// The frame lines of a trace or tour, and its sound lines (the commands as sent) with any reply taken out.
static std::vector<std::string> FrameLines(const std::string& output)
{
    std::vector<std::string> lines;
    for (const std::string& line : Lines(output))
        if (line.find("\"tick\":") != std::string::npos) lines.push_back(line);
    return lines;
}

static std::vector<std::string> CommandLines(const std::string& output)
{
    std::vector<std::string> lines;
    for (std::string line : Lines(output)) {
        if (line.find("\"sound\":") == std::string::npos) continue;
        const size_t reply = line.find(",\"reply\":");
        if (reply != std::string::npos) line.erase(reply, line.size() - 1 - reply);
        lines.push_back(line);
    }
    return lines;
}

static ProcessResult RunTour(const std::string& directory, const std::string& letters)
{
    return RunProcess(directory, "",
                      std::string(QUILLORA_TOUR_PATH) + " --rounds 1 --frames 40000 --start-tick 10000 --letters " +
                          letters);
}

// A recording cut inside its header: what is left says nothing about any sound.
constexpr long RecordingCut = 40;

TEST(Recordings, AllMissingCutOrGarbled_TheLettersAndTheirNamesRunAsUsualInSilence)
{
    // Missing, over every letter; cut short or garbled (which the players turn away just the same), over the
    // scenes that play "auto" (C, G) or watch their sound (S, X, Y). The commands sent are compared where no
    // scene watches its sound: S, X and Y restart their sound when its mode changes, and a query about a
    // recording that never opened goes unanswered, so they rightly send fewer.
    const struct {
        Breakage Kind;
        const char* Letters;
        bool SameCommands;
    } cases[] = {{Breakage::Missing, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", false},
                 {Breakage::Truncated, "CGSXY", false},
                 {Breakage::Garbage, "CGSXY", false},
                 {Breakage::Garbage, "ACGH", true}};
    for (const auto& fault : cases) {
        SCOPED_TRACE(std::string(BreakageName(fault.Kind)) + " in " + fault.Letters);
        const ProcessResult usual = RunTour(QUILLORA_DATA_DIR, fault.Letters);
        ASSERT_EQ(usual.ExitCode, 0) << usual.Errors;
        if (std::string(fault.Letters).find('S') != std::string::npos) {  // S asks whether its sound plays
            ASSERT_NE(usual.Output.find("\"reply\":\"playing\""), std::string::npos);
        }
        const std::string data = MakeDataCopy();
        for (const std::string& recording : DataFilesEndingIn(".wav"))
            BreakDataFile(data, recording, fault.Kind, RecordingCut);
        const ProcessResult run = RunTour(data, fault.Letters);
        EXPECT_EQ(run.ExitCode, 0) << run.Errors;
        EXPECT_EQ(FrameLines(run.Output), FrameLines(usual.Output));
        if (fault.SameCommands) {
            EXPECT_EQ(CommandLines(run.Output), CommandLines(usual.Output));
        }
        EXPECT_EQ(run.Output.find("\"reply\":\"playing\""), std::string::npos) << "a broken recording played";
        RemoveDataCopy(data);
    }
}

TEST(Recordings, EachOfTheWatchedScenesRecordingsMissingInTurn_TheSceneRunsAsUsual)
{
    // Scenes S, X and Y watch whether their sound still plays; the watch must not hold them up.
    const struct {
        const char* Letter;
        const char* Recording;
    } cases[] = {{"S", "lauts.wav"}, {"S", "angst.wav"}, {"X", "lautx.wav"}, {"X", "schnell.wav"}, {"Y", "lauty.wav"}};
    for (const auto& fault : cases) {
        SCOPED_TRACE(std::string(fault.Letter) + " without " + fault.Recording);
        const ProcessResult usual = RunTour(QUILLORA_DATA_DIR, fault.Letter);
        const std::string data = MakeDataCopy();
        BreakDataFile(data, fault.Recording, Breakage::Missing, 0);
        const ProcessResult run = RunTour(data, fault.Letter);
        EXPECT_EQ(run.ExitCode, 0) << run.Errors;
        EXPECT_EQ(FrameLines(run.Output), FrameLines(usual.Output));
        RemoveDataCopy(data);
    }
}
