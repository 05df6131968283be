// TraceMain.cpp -- quillora-trace: runs the program's own start-up and frames on a virtual clock,
// with scripted mouse events, and prints every sound command and the world state after each frame.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>
#include "app/App.h"
#include "world/World.h"
#include "Trace.h"

int TraceFrame;

constexpr uint32_t DefaultStartTick = 10000;
constexpr uint32_t FrameMilliseconds = 90;

struct TraceEvent {
    MessageKind Kind;
    uint32_t X;
    uint32_t Y;
};

struct TraceOptions {
    std::string DataDirectory;
    long Frames = 100;
    std::map<long, std::vector<TraceEvent>> Events;
    std::map<long, std::vector<std::string>> Shots;
    bool Timing = false;
    uint32_t StartTick = DefaultStartTick;  // another start shows how the program takes a tick-count wrap
};

[[noreturn]] static void Fail(const std::string& text, int code)
{
    std::fprintf(stderr, "quillora-trace: %s\n", text.c_str());
    std::exit(code);
}

static long ParseWhole(const std::string& text, long lowest, long highest, const std::string& option)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        Fail("malformed number \"" + text + "\" in " + option, 2);
    const long value = std::stol(text);
    if (value < lowest || value > highest)
        Fail("number " + text + " out of range (" + std::to_string(lowest) + " to " + std::to_string(highest) +
                 ") in " + option, 2);
    return value;
}

// "X,Y@F"
static void ParseEvent(const std::string& text, MessageKind kind, const std::string& option, TraceOptions& options)
{
    const size_t comma = text.find(',');
    const size_t at = text.find('@');
    if (comma == std::string::npos || at == std::string::npos || at < comma)
        Fail(option + " wants X,Y@F, not \"" + text + "\"", 2);
    const uint32_t x = static_cast<uint32_t>(ParseWhole(text.substr(0, comma), 0, 65535, option));
    const uint32_t y = static_cast<uint32_t>(ParseWhole(text.substr(comma + 1, at - comma - 1), 0, 65535, option));
    const long frame = ParseWhole(text.substr(at + 1), 1, 100000000, option);
    options.Events[frame].push_back({kind, x, y});
}

static TraceOptions ParseOptions(int argc, char** argv)
{
    TraceOptions options;
    for (int i = 1; i < argc; i++) {
        const std::string option = argv[i];
        if (option == "--timing") {
            options.Timing = true;
            continue;
        }
        if (option != "--data" && option != "--frames" && option != "--move" && option != "--click" &&
            option != "--shot" && option != "--start-tick")
            Fail("unknown option \"" + option + "\"", 2);
        if (i + 1 >= argc) Fail(option + " needs a value", 2);
        const std::string value = argv[++i];
        if (option == "--data") {
            options.DataDirectory = value;
        } else if (option == "--frames") {
            options.Frames = ParseWhole(value, 0, 100000000, option);
        } else if (option == "--start-tick") {
            options.StartTick = static_cast<uint32_t>(ParseWhole(value, 0, 4294967295, option));
        } else if (option == "--move") {
            ParseEvent(value, MessageMouseMove, option, options);
        } else if (option == "--click") {
            ParseEvent(value, MessageLeftButtonDown, option, options);
        } else {
            const size_t colon = value.find(':');
            if (colon == std::string::npos || colon + 1 == value.size())
                Fail("--shot wants F:FILE, not \"" + value + "\"", 2);
            options.Shots[ParseWhole(value.substr(0, colon), 1, 100000000, option)].push_back(value.substr(colon + 1));
        }
    }
    return options;
}

int main(int argc, char** argv)
{
    const TraceOptions options = ParseOptions(argc, argv);
    if (!options.DataDirectory.empty() && chdir(options.DataDirectory.c_str()) != 0)
        Fail("cannot change to the data directory \"" + options.DataDirectory + "\"", 2);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);  // no screen needed; a real GL context all the same

    TraceTick = options.StartTick;
    TraceFrame = 0;
    if (!StartProgram()) Fail(PlatformErrorText(), 1);
    if (MessageWaiting()) {
        WindowMessage message;
        if (!TakeMessage(&message)) Fail("the program could not set up OpenGL", 1);
    }

    for (long frame = 1; frame <= options.Frames; frame++) {
        TraceTick = options.StartTick + FrameMilliseconds * static_cast<uint32_t>(frame - 1);
        TraceFrame = static_cast<int>(frame);
        if (auto events = options.Events.find(frame); events != options.Events.end())
            for (const TraceEvent& event : events->second)
                DispatchWindowMessage({MainWindow, event.Kind, 0, event.X | event.Y << 16});

        const std::vector<std::string>* shots = nullptr;
        if (auto found = options.Shots.find(frame); found != options.Shots.end()) shots = &found->second;
        if (shots != nullptr) PendingShotFile = shots->front();

        const auto started = std::chrono::steady_clock::now();
        RenderFrame();  // its presentation waits for the frame to be drawn, as a window's does
        const double milliseconds =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();

        if (shots != nullptr) {
            if (!PendingShotFile.empty() || ShotFailed) Fail("cannot write the shot \"" + shots->front() + "\"", 1);
            for (size_t i = 1; i < shots->size(); i++) {  // more shots of the same frame: copies of the first
                std::FILE* from = std::fopen(shots->front().c_str(), "rb");
                std::FILE* to = std::fopen((*shots)[i].c_str(), "wb");
                if (from == nullptr || to == nullptr) Fail("cannot write the shot \"" + (*shots)[i] + "\"", 1);
                for (int c; (c = std::fgetc(from)) != EOF;) std::fputc(c, to);
                std::fclose(from);
                std::fclose(to);
            }
        }

        std::printf("{\"frame\":%ld,\"tick\":%u,\"scene\":%d,\"passes\":%d,\"x\":%.9g,\"z\":%.9g,\"heading\":%.9g",
                    frame, TraceTick, CurrentScene, SceneEndCount, static_cast<double>(FigureX),
                    static_cast<double>(FigureZ), static_cast<double>(FigureHeading));
        if (options.Timing) std::printf(",\"ms\":%.3f", milliseconds);
        std::printf("}\n");
    }
    std::fflush(stdout);
    return 0;
}
