// TraceRun.h -- runs quillora-trace for a test and hands back its frame and sound lines and its shots.
//
//   TraceRun run = RunLetter('A', 130);               // click A before frame 2, draw 130 frames
//   EXPECT_EQ(SoundFrames(run, "play sound"), ...);   // the frames in which a command was sent
//   EXPECT_EQ(FrameWhenPassesReach(run, 1), ...);     // the frame that counted the first pass
//   RunLetter('B', 40, ShotOf(30, ShotPath("b")));    // save frame 30 as drawn, then
//   FindPixels(LoadShot(ShotPath("b")), WholeShot, Red).Pixels;   // count its strongly red pixels
//
// The menu draws frame 1; a letter clicked before frame 2 draws its first frame as frame 2, so
// a scene's own frame n is trace frame n + 1 (SceneFrame converts; VisitFrame for a later click).
#pragma once
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

struct TraceFrameLine {
    long Frame;
    uint32_t Tick;
    int Scene;
    int Passes;
    double X;
    double Z;
    double Heading;
    // A round of "Find the letter", when one runs: its mode ("" without a round), step, the letter asked ('-'
    // after the fifth), which question, the wrong answers and repeats, and the head's angles.
    std::string Game = "";
    int Step = 0;
    char Asked = 0;
    int Prompt = 0;
    int Wrong = 0;
    int Repeats = 0;
    double Pitch = 0;
    double Yaw = 0;
};

struct TraceSoundLine {
    long Frame;
    std::string Command;
    std::string Reply;  // empty unless the line carried one
};

struct TraceRun {
    int ExitCode;
    std::string Output;  // standard output as printed
    std::string Errors;  // standard error
    std::vector<TraceFrameLine> Frames;  // Frames[i] is frame i + 1
    std::vector<TraceSoundLine> Sounds;
};

// The menu's click cue: sent in the program's first frame, and in the frame after a hand-back from a
// scene that left its cue flag clear.
inline const std::vector<std::string> MenuCue = {"open klicke.wav alias sound", "play sound"};

// Runs quillora-trace in the build's data directory with these options (shell words).
TraceRun RunTrace(const std::string& options);
// Clicks the letter's cell before frame 2 (after the menu's first frame) and draws that many frames in all.
TraceRun RunLetter(char letter, long frames, const std::string& moreOptions = "");
// The client position of a letter's cell centre, as "X,Y".
std::string LetterPosition(char letter);
// The option " --click X,Y@F" that clicks the letter's cell before that frame (with its leading space).
std::string ClickOn(char letter, long frame);
// The option " --shot F:PATH" that saves that frame as drawn to a PNG file (with its leading space).
std::string ShotOf(long frame, const std::string& path);

// A visit whose click came before trace frame 'click' draws its own frame n as trace frame click + n - 1.
constexpr long VisitFrame(long click, long sceneFrame) { return click + sceneFrame - 1; }
constexpr long SceneFrame(long sceneFrame) { return VisitFrame(2, sceneFrame); }
// Each of the visit's own frames as a trace frame.
std::vector<long> VisitFrames(long click, const std::vector<long>& sceneFrames);

// The frame line of frame n (1-based); fails the test and returns a zero line when there is none.
TraceFrameLine FrameAt(const TraceRun& run, long frame);
// The frames in which the command was sent, in order (a frame appears once per sending).
std::vector<long> SoundFrames(const TraceRun& run, const std::string& command);
// The same, limited to frames first to last, both included; to the end of the run when last is left out.
std::vector<long> SoundFramesBetween(const TraceRun& run, const std::string& command, long first,
                                     long last = LONG_MAX);
// The commands sent in one frame, in order.
std::vector<std::string> SoundsInFrame(const TraceRun& run, long frame);
// The first frame (at or after 'from') whose line shows this many passes in a letter scene, or the
// frame that handed back when that pass was the scene's last; -1 when there is none.
long FrameWhenPassesReach(const TraceRun& run, int passes, long from = 1);
// The first frame at or after 'from' whose line shows the menu, or -1. After a scene that is the frame
// whose update handed back (drawn as the scene); the menu itself is drawn from the frame after it.
long FirstMenuFrameFrom(const TraceRun& run, long from);
// The first frame whose update handed back to the menu (its line already shows scene 25; the menu is
// drawn from the next frame on), or -1.
long FrameHandingBack(const TraceRun& run);
// Every such frame, in order, for runs that visit several scenes.
std::vector<long> HandBacks(const TraceRun& run);

// A --shot picture, read back.
struct Shot {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Pixels;  // red, green, blue, top row first
};

// A unique file name in /tmp for a shot of this name.
std::string ShotPath(const std::string& name);
// Reads the PNG file and removes it; fails the test and returns an empty shot when there is none.
Shot LoadShot(const std::string& path);

struct Box {
    int Left, Top, Right, Bottom;  // right and bottom excluded
};
constexpr Box WholeShot = {0, 0, INT_MAX, INT_MAX};

struct Area {
    long Pixels = 0;
    double MeanX = -1;  // -1 when there are none
};

// How many pixels of two shots of the same size differ; -1 when their sizes differ.
long DifferingPixels(const Shot& a, const Shot& b);

// The pixels within the box for which the test holds, and their mean column.
Area FindPixels(const Shot& shot, Box box, bool (*test)(int red, int green, int blue));
// Strongly red: the scenes' red props and the red head.
bool Red(int red, int green, int blue);
