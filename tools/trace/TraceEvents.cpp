// TraceEvents.cpp -- quillora-trace's script in the place of the window's events. The program's own entry and
// message loop run as they are; this part reads the trace's options, hands the loop the scripted events of
// each frame with the virtual clock at that frame's tick, prints the world state once the frame is drawn and
// updated, and ends the run after the last frame, as a demo's playback ends a timed run.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>
#include "platform/Events.h"
#include "platform/GameOption.h"
#include "platform/WindowSdl.h"
#include "world/World.h"
#include "Trace.h"

int TraceFrame;

constexpr uint32_t DefaultStartTick = 10000;
constexpr uint32_t FrameMilliseconds = 90;

struct TraceOptions {
    std::string DataDirectory;
    long Frames = 100;
    std::map<long, std::vector<WindowMessage>> Events;  // the messages handed to the program before frame F
    std::map<long, std::vector<std::string>> Shots;
    bool Timing = false;
    int WindowWidth = 742;  // the window's size in pixels; the program sees its own client size in any
    int WindowHeight = 523;
    uint32_t StartTick = DefaultStartTick;  // another start shows how the program takes a tick-count wrap
};

static TraceOptions Options;

static const char Usage[] =
    "usage: quillora-trace [--data DIR] [--frames N] [--size WxH] [--game names|sounds] [--move X,Y@F]...\n"
    "                      [--click X,Y@F]... [--key K@F]... [--tap X,Y@F]... [--shot F:FILE.png]... [--timing]\n"
    "                      [--help]\n"
    "Runs the program headless for N frames on a virtual clock and prints each sound command and each frame's\n"
    "world state as a JSON line.\n"
    "  --data DIR      change to DIR before start-up (the program reads its files from there)\n"
    "  --frames N      draw N frames, then end with exit 0 (default 100)\n"
    "  --size WxH      the window's size in pixels (default 742x523); the program still sees 742 x 523\n"
    "  --game MODE     start \"Find the letter\" as the program's --game MODE does (names or sounds)\n"
    "  --move X,Y@F    before frame F, a mouse move to client position (X, Y)\n"
    "  --click X,Y@F   before frame F, a left-button press at client position (X, Y)\n"
    "  --key K@F       before frame F, a press and release of key K: a-z, f11, space, escape, left, right, up, down\n"
    "  --tap X,Y@F     before frame F, a touch tap at client position (X, Y)\n"
    "  --shot F:FILE   after frame F is drawn, write the whole window's image to FILE as a PNG; a relative FILE is\n"
    "                  taken from the directory the trace was started in; a shot that cannot be written ends\n"
    "                  the run with exit 1\n"
    "  --timing        add \"ms\" to every frame line: wall-clock milliseconds of the frame\n"
    "  --help          print this usage and exit 0\n"
    "Events of one frame are delivered in the order given. Bad options (an unknown flag, a malformed number,\n"
    "F < 1, a shot after the last frame) print one line to standard error and exit 2.\n";

[[noreturn]] static void Fail(const std::string& text, int code)
{
    std::fprintf(stderr, "quillora-trace: %s\n", text.c_str());
    std::exit(code);
}

static long long ParseWhole(const std::string& text, long long lowest, long long highest, const std::string& option)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        Fail("malformed number \"" + text + "\" in " + option, 2);
    const long long value = std::stoll(text);  // ten digits: more than a 32-bit long holds (WebAssembly's)
    if (value < lowest || value > highest)
        Fail("number " + text + " out of range (" + std::to_string(lowest) + " to " + std::to_string(highest) +
                 ") in " + option, 2);
    return value;
}

// A shot's file as the person who started the trace means it: a relative name is taken from the directory
// the trace was started in, not from --data, which the trace changes to before start-up.
static std::string FromStartDirectory(const std::string& file)
{
    if (file.front() == '/') return file;
    char* here = getcwd(nullptr, 0);
    if (here == nullptr) Fail("cannot tell the directory the trace was started in", 2);
    const std::string path = std::string(here) + "/" + file;
    std::free(here);
    return path;
}

// "...@F": the frame an event comes before, and what stands in front of the "@".
static long EventFrame(const std::string& value, const std::string& option, std::string* what)
{
    const size_t at = value.find('@');
    if (at == std::string::npos) return -1;
    *what = value.substr(0, at);
    return ParseWhole(value.substr(at + 1), 1, 100000000, option);
}

// "X,Y@F": a message at a client position.
static void ScriptPointer(MessageKind kind, const std::string& value, const std::string& option)
{
    std::string where;
    const long frame = EventFrame(value, option, &where);
    const size_t comma = where.find(',');
    if (frame < 0 || comma == std::string::npos) Fail(option + " wants X,Y@F, not \"" + value + "\"", 2);
    const uint32_t x = static_cast<uint32_t>(ParseWhole(where.substr(0, comma), 0, 65535, option));
    const uint32_t y = static_cast<uint32_t>(ParseWhole(where.substr(comma + 1), 0, 65535, option));
    Options.Events[frame].push_back({nullptr, kind, 0, x | y << 16});
}

static void ScriptMove(const std::string& value, const std::string& option)
{
    ScriptPointer(MessageMouseMove, value, option);
}

static void ScriptClick(const std::string& value, const std::string& option)
{
    ScriptPointer(MessageLeftButtonDown, value, option);
}

static void ScriptTap(const std::string& value, const std::string& option)
{
    ScriptPointer(MessageTap, value, option);
}

// "K@F": a press and a release of the key that types letter K, or of F11, Space, Escape or an arrow key.
static void ScriptKey(const std::string& value, const std::string& option)
{
    std::string name;
    const long frame = EventFrame(value, option, &name);
    if (frame < 0) Fail(option + " wants K@F, not \"" + value + "\"", 2);
    static const std::map<std::string, uint32_t> NamedKeys = {
        {"f11", KeyF11}, {"space", KeySpace}, {"escape", KeyEscape}, {"left", KeyArrowLeft}, {"right", KeyArrowRight}, {"up", KeyArrowUp}, {"down", KeyArrowDown}};
    uint32_t key = KeyOther;
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') {
        key = KeyLetterA + static_cast<uint32_t>(name[0] - 'a');
    } else if (auto named = NamedKeys.find(name); named != NamedKeys.end()) {
        key = named->second;
    } else {
        Fail(option + " wants a key a-z, f11, space, escape, left, right, up or down, not \"" + name + "\"", 2);
    }
    Options.Events[frame].push_back({nullptr, MessageKeyDown, key, 0});
    Options.Events[frame].push_back({nullptr, MessageKeyUp, key, 0});
}

// The options that script events, each turning its value into the messages of a frame. A new kind of event
// is one more row.
struct EventOption {
    const char* Name;
    void (*Script)(const std::string& value, const std::string& option);
};
static const EventOption EventOptions[] = {
    {"--move", ScriptMove},
    {"--click", ScriptClick},
    {"--key", ScriptKey},
    {"--tap", ScriptTap},
};

static void ParseOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; i++) {
        const std::string option = argv[i];
        if (option == "--help") {
            std::fputs(Usage, stdout);
            std::exit(0);
        }
        if (option == "--timing") {
            Options.Timing = true;
            continue;
        }
        const EventOption* event = nullptr;
        for (const EventOption& candidate : EventOptions)
            if (option == candidate.Name) event = &candidate;
        if (event == nullptr && option != "--data" && option != "--frames" && option != "--shot" &&
            option != "--start-tick" && option != "--size" && option != "--game")
            Fail("unknown option \"" + option + "\"", 2);
        if (i + 1 >= argc) Fail(option + " needs a value", 2);
        const std::string value = argv[++i];
        if (event != nullptr) {
            event->Script(value, option);
        } else if (option == "--data") {
            Options.DataDirectory = value;
        } else if (option == "--frames") {
            Options.Frames = ParseWhole(value, 0, 100000000, option);
        } else if (option == "--size") {
            const size_t x = value.find('x');
            if (x == std::string::npos) Fail("--size wants WxH, not \"" + value + "\"", 2);
            Options.WindowWidth = static_cast<int>(ParseWhole(value.substr(0, x), 1, 16384, option));
            Options.WindowHeight = static_cast<int>(ParseWhole(value.substr(x + 1), 1, 16384, option));
        } else if (option == "--game") {
            StartGame game = StartGameNone;
            if (!ParseStartGame(value.c_str(), &game)) Fail(StartGameUsage(), 2);
            SetStartGame(game);
        } else if (option == "--start-tick") {
            Options.StartTick = static_cast<uint32_t>(ParseWhole(value, 0, 4294967295, option));
        } else {
            const size_t colon = value.find(':');
            if (colon == std::string::npos || colon + 1 == value.size())
                Fail("--shot wants F:FILE, not \"" + value + "\"", 2);
            Options.Shots[ParseWhole(value.substr(0, colon), 1, 100000000, option)].push_back(
                FromStartDirectory(value.substr(colon + 1)));
        }
    }
    if (!Options.Shots.empty() && Options.Shots.rbegin()->first > Options.Frames)
        Fail("--shot " + std::to_string(Options.Shots.rbegin()->first) + ":... is after the last frame (" +
                 std::to_string(Options.Frames) + ")", 2);
}

void StartPlatform(int argc, char** argv)
{
    ParseOptions(argc, argv);
    if (!Options.DataDirectory.empty() && chdir(Options.DataDirectory.c_str()) != 0)
        Fail("cannot change to the data directory \"" + Options.DataDirectory + "\"", 2);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);  // no screen needed; a real GL context all the same
    SetStartWindowSize(Options.WindowWidth, Options.WindowHeight);
    TraceTick = Options.StartTick;
    TraceFrame = 0;  // start-up
}

// Copies a shot; why it failed, or nothing.
static std::string CopyFile(const std::string& fromName, const std::string& toName)
{
    std::FILE* from = std::fopen(fromName.c_str(), "rb");
    if (from == nullptr) return std::strerror(errno);
    std::FILE* to = std::fopen(toName.c_str(), "wb");
    if (to == nullptr) {
        const int error = errno;
        std::fclose(from);
        return std::strerror(error);
    }
    char buffer[65536];
    int error = 0;
    for (size_t read; error == 0 && (read = std::fread(buffer, 1, sizeof buffer, from)) > 0;)
        if (std::fwrite(buffer, 1, read, to) != read) error = errno != 0 ? errno : EIO;
    if (error == 0 && std::ferror(from)) error = EIO;
    std::fclose(from);
    if (std::fclose(to) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    return error != 0 ? std::strerror(error) : "";
}

// After frame TraceFrame has been drawn and updated: its shots and its line.
void FinishReplayFrame(double milliseconds)
{
    if (auto found = Options.Shots.find(TraceFrame); found != Options.Shots.end()) {
        const std::vector<std::string>& shots = found->second;
        if (!PendingShotFile.empty()) Fail("cannot write the shot \"" + shots.front() + "\": no frame was shown", 1);
        if (!ShotFailure.empty()) Fail("cannot write the shot \"" + shots.front() + "\": " + ShotFailure, 1);
        for (size_t i = 1; i < shots.size(); i++) {  // more shots of the same frame: copies of the first
            const std::string failure = CopyFile(shots.front(), shots[i]);
            if (!failure.empty()) Fail("cannot write the shot \"" + shots[i] + "\": " + failure, 1);
        }
    }
    PrintFrameLine(Options.Timing ? &milliseconds : nullptr);
}

// Before the next frame: the clock at its tick, its events due, its shot asked for; after the last, the end.
void PrepareReplayFrame(std::deque<WindowMessage>* due)
{
    const long frame = TraceFrame + 1L;
    if (frame > Options.Frames) {
        std::fflush(stdout);
        std::exit(0);
    }
    TraceFrame = static_cast<int>(frame);
    TraceTick = Options.StartTick + FrameMilliseconds * static_cast<uint32_t>(frame - 1);
    if (auto events = Options.Events.find(frame); events != Options.Events.end())
        due->insert(due->end(), events->second.begin(), events->second.end());
    if (auto shots = Options.Shots.find(frame); shots != Options.Shots.end()) PendingShotFile = shots->second.front();
}
