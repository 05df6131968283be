// TourEvents.cpp -- quillora-tour: the program's own entry and loop on quillora-trace's virtual clock, window and
// playback, with this file in the place of the window's messages: it visits letters of the menu again and
// again, first in the order given (A to Z by default), then in shuffled orders of the same letters. It is the long run of tools/long-runs and the route of the fault tests.
//
//   quillora-tour [--data DIR] [--frames N] [--rounds R] [--letters ABC] [--start-tick T] [--report FILE]
//
// Each visit moves the mouse onto the letter 18 menu frames after the menu came back (past its quiet period,
// so the name plays), clicks it two frames later, and waits for the scene to hand back to the menu. The run
// ends after N frames (default 100000) or once R rounds are done and the menu is back. Unless a start tick
// is given, the tick count wraps half-way through the N frames.
// Standard output is quillora-trace's: every sound command and one line per frame, as JSON lines.
// The report (standard error unless a file is named) has a line after each visit, one per round (once its last
// scene has handed back) and one at the end:
//   visit Q frames 15230 heap 1834230 rss_kb 80312
//   round 3 order QWERTY... frames 15230 heap 1834230 rss_kb 80312
// heap is the bytes the program has allocated and not freed (the sanitizer's count when there is one);
// rss_kb the resident memory. SIGTERM or SIGINT ends the run early, the normal way. Exit 1 when a scene never
// hands back, 2 on bad options.
#include <malloc.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include "platform/Events.h"
#include "world/World.h"
#include "Trace.h"

// Present only in a sanitizer build; its allocator does not answer mallinfo2.
extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

int TraceFrame;

// A run cut short (SIGTERM or SIGINT) still ends the normal way: the end line, then the leak check at exit.
static volatile std::sig_atomic_t StopRequested = 0;
static void RequestStop(int)
{
    StopRequested = 1;
}

constexpr uint32_t FrameMilliseconds = 90;
constexpr long MenuFramesBeforeMove = 18;   // 1620 ms: past the menu's quiet period, so the name is spoken
constexpr long MenuFramesBeforeClick = 20;
constexpr long LongestVisit = 5000;         // no scene runs anywhere near this many frames
// The letters' cell centres in client coordinates (the window procedure's grid).
static const int ColumnX[] = {80, 178, 275, 373, 480, 590};
static const int RowY[] = {58, 170, 275, 379, 480};

// The run's options.
static long Frames = 100000;
static long Rounds = 0;
static std::string Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
static uint32_t StartTick = 0;
static std::FILE* Report = stderr;

// Where the tour stands.
static int Round = 1;
static std::string Order;       // this round's letters
static size_t Visit = 0;        // index into Order of the letter being visited
static long MenuFrames = 0;     // menu frames drawn since the menu came back
static long VisitStarted = 0;   // the frame of the last click
static long Visits = 0;
static long Drawn = 0;

[[noreturn]] static void Fail(const std::string& text, int code)
{
    std::fprintf(stderr, "quillora-tour: %s\n", text.c_str());
    std::exit(code);
}

static size_t HeapInUse()
{
    if (__sanitizer_get_current_allocated_bytes != nullptr) return __sanitizer_get_current_allocated_bytes();
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

static long ResidentKilobytes()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return -1;
    long kilobytes = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::strncmp(line, "VmRSS:", 6) == 0) kilobytes = std::strtol(line + 6, nullptr, 10);
    std::fclose(status);
    return kilobytes;
}

// The same shuffles on every run: a fixed linear congruential sequence.
static uint32_t ShuffleSeed = 12345;
static std::string NextOrder(const std::string& letters, int round)
{
    std::string order = letters;
    if (round == 1) return order;
    for (int i = static_cast<int>(order.size()) - 1; i > 0; i--) {
        ShuffleSeed = ShuffleSeed * 1664525u + 1013904223u;
        std::swap(order[i], order[(ShuffleSeed >> 8) % static_cast<uint32_t>(i + 1)]);
    }
    return order;
}

static uint32_t CellPosition(char letter)
{
    const int cell = letter - 'A';
    return static_cast<uint32_t>(ColumnX[cell % 6]) | static_cast<uint32_t>(RowY[cell / 6]) << 16;
}

void StartPlatform(int argc, char** argv)
{
    std::string dataDirectory;
    std::string reportFile;
    bool startTickGiven = false;
    for (int i = 1; i < argc; i++) {
        const std::string option = argv[i];
        if (i + 1 >= argc) Fail("unknown option or missing value: \"" + option + "\"", 2);
        const std::string value = argv[++i];
        if (option == "--data") {
            dataDirectory = value;
        } else if (option == "--report") {
            reportFile = value;
        } else if (option == "--frames" || option == "--rounds" || option == "--start-tick") {
            char* end = nullptr;
            const long long number = std::strtoll(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || number < (option == "--start-tick" ? 0 : 1) || number > 4294967295LL)
                Fail(option + " wants a whole number, not \"" + value + "\"", 2);
            if (option == "--frames") Frames = static_cast<long>(number);
            if (option == "--rounds") Rounds = static_cast<long>(number);
            if (option == "--start-tick") {
                StartTick = static_cast<uint32_t>(number);
                startTickGiven = true;
            }
        } else if (option == "--letters") {
            if (value.empty() || value.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos)
                Fail("--letters wants capital letters, not \"" + value + "\"", 2);
            Letters = value;
        } else {
            Fail("unknown option \"" + option + "\"", 2);
        }
    }
    if (!dataDirectory.empty() && chdir(dataDirectory.c_str()) != 0)
        Fail("cannot change to the data directory \"" + dataDirectory + "\"", 2);
    if (!reportFile.empty()) Report = std::fopen(reportFile.c_str(), "w");
    if (Report == nullptr) Fail("cannot write the report \"" + reportFile + "\"", 2);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);

    // Half-way through, the tick count passes 2^32 and starts again from 0.
    if (!startTickGiven) StartTick = 0u - FrameMilliseconds * static_cast<uint32_t>(Frames / 2);
    TraceTick = StartTick;
    TraceFrame = 0;  // start-up
    Order = NextOrder(Letters, Round);
    std::signal(SIGTERM, RequestStop);
    std::signal(SIGINT, RequestStop);
}

[[noreturn]] static void EndTour()
{
    std::fprintf(Report, "end frames %ld visits %ld heap %zu rss_kb %ld\n", Drawn, Visits, HeapInUse(),
                 ResidentKilobytes());
    std::fflush(stdout);
    std::exit(0);
}

// Before the next frame: the clock at its tick, the reports due, and the move or click the tour makes.
void PrepareReplayFrame(std::deque<WindowMessage>* due)
{
    const long frame = TraceFrame + 1L;
    if (frame > Frames || StopRequested != 0) EndTour();
    TraceTick = StartTick + FrameMilliseconds * static_cast<uint32_t>(frame - 1);
    TraceFrame = static_cast<int>(frame);
    if (CurrentScene == MenuScene && MenuFrames == MenuFramesBeforeMove && Visits > 0) {
        std::fprintf(Report, "visit %c frames %ld heap %zu rss_kb %ld\n", Order[Visit - 1], frame - 1, HeapInUse(),
                     ResidentKilobytes());
        std::fflush(Report);
    }
    if (CurrentScene == MenuScene && MenuFrames == MenuFramesBeforeMove && Visit == Order.size()) {
        // Every letter of the round has been visited and the menu is back: the round is done.
        std::fprintf(Report, "round %d order %s frames %ld heap %zu rss_kb %ld\n", Round, Order.c_str(), frame - 1,
                     HeapInUse(), ResidentKilobytes());
        std::fflush(Report);
        if (Rounds > 0 && Round >= Rounds) EndTour();
        Order = NextOrder(Letters, ++Round);
        Visit = 0;
    }
    if (CurrentScene == MenuScene) {
        // Between a round's last visit and the rollover above, Visit is past the end: nothing to point at.
        if (MenuFrames == MenuFramesBeforeMove) due->push_back({nullptr, MessageMouseMove, 0, CellPosition(Order[Visit])});
        if (MenuFrames == MenuFramesBeforeClick) {
            due->push_back({nullptr, MessageLeftButtonDown, 0, CellPosition(Order[Visit])});
            VisitStarted = frame;
            Visits++;
            Visit++;
            MenuFrames = 0;
        }
    } else if (frame - VisitStarted > LongestVisit) {
        Fail("scene " + std::to_string(CurrentScene) + " has not handed back to the menu after " +
                 std::to_string(LongestVisit) + " frames",
             1);
    }
}

// After frame TraceFrame has been drawn and updated.
void FinishReplayFrame(double)
{
    PrintFrameLine(nullptr);
    Drawn = TraceFrame;
    if (CurrentScene == MenuScene) MenuFrames++;
}
