// TraceRun.h -- runs quillora-trace for a test and hands back its frame and sound lines.
//
//   TraceRun run = RunLetter('A', 130);               // click A before frame 2, draw 130 frames
//   EXPECT_EQ(SoundFrames(run, "play sound"), ...);   // the frames in which a command was sent
//   EXPECT_EQ(FrameWhenPassesReach(run, 1), ...);     // the frame that counted the first pass
//
// The menu draws frame 1; a letter clicked before frame 2 draws its first frame as frame 2, so
// a scene's own frame n is trace frame n + 1 (SceneFrame converts).
#pragma once
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

// Runs quillora-trace in the build's data directory with these options (shell words).
TraceRun RunTrace(const std::string& options);
// Clicks the letter's cell before frame 2 (after the menu's first frame) and draws that many frames in all.
TraceRun RunLetter(char letter, long frames, const std::string& moreOptions = "");
// The client position of a letter's cell centre, as "X,Y".
std::string LetterPosition(char letter);
constexpr long SceneFrame(long sceneFrame) { return sceneFrame + 1; }

// The frame line of frame n (1-based); fails the test and returns a zero line when there is none.
TraceFrameLine FrameAt(const TraceRun& run, long frame);
// The frames in which the command was sent, in order (a frame appears once per sending).
std::vector<long> SoundFrames(const TraceRun& run, const std::string& command);
// The commands sent in one frame, in order.
std::vector<std::string> SoundsInFrame(const TraceRun& run, long frame);
// The first frame whose line shows this many passes in a letter scene, or -1.
long FrameWhenPassesReach(const TraceRun& run, int passes);
// The first frame at or after 'from' whose line shows the menu, or -1. After a scene that is the frame
// whose update handed back (drawn as the scene); the menu itself is drawn from the frame after it.
long FirstMenuFrameFrom(const TraceRun& run, long from);
// The first frame whose update handed back to the menu (its line already shows scene 25; the menu is
// drawn from the next frame on), or -1.
long FrameHandingBack(const TraceRun& run);
