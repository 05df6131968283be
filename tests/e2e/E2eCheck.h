// E2eCheck.h -- what the end-to-end checker reads from a run of the real program, and the helpers it uses.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One frame the real window presented, as the recorder saw it.
struct RealFrame {
    long Number;   // from 1
    double Time;   // seconds since the epoch
    long Picture;  // index into the recorder's picture file; -1 when the recorder could not be sure of it
};

// The capture file had this many bytes at this time.
struct AudioGrowth {
    double Time;
    long Bytes;
};

struct RecorderLog {
    int Width = 0;
    int Height = 0;
    std::vector<RealFrame> Frames;
    std::vector<AudioGrowth> Audio;
};

// One line of the test script's own log: what it did, and when.
struct ScriptAction {
    std::string Kind;  // hover, click, disturb, shot, ...
    double Time;
    std::vector<std::string> Words;  // the rest of the line
};

struct TraceSound {
    long Frame;
    std::string Command;
};

struct TraceState {
    long Frame;
    int Scene;
    int Passes;
    double X;
    double Z;
    double Heading;
};

struct TraceOutput {
    std::vector<TraceSound> Sounds;
    std::vector<TraceState> States;  // States[i] is frame i + 1
};

// A "play" among a trace's sound lines: the frame it was sent for, its alias and the file open under it.
struct TracePlay {
    long Frame;
    std::string Alias;
    std::string File;
};

// A recording that should be heard, and when it was sent: a stretch of wall-clock time.
struct ExpectedSound {
    std::string File;
    std::string When;  // for the report
    double Earliest;
    double Latest;
};

struct Rgb {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Pixels;  // red, green, blue, rows top down
};

// E2eCheck.cpp: one line per check, "ok" or "FAILED"; a failure makes the checker's exit status 1.
void Report(bool passed, const char* step, const char* format, ...);

// E2eLogs.cpp
bool ReadRecorderLog(const std::string& path, RecorderLog* log);
std::vector<ScriptAction> ReadScriptActions(const std::string& path);
bool RunTrace(const std::string& command, TraceOutput* output);
// Every play of a recording, in order; an open under an alias that is already open keeps the old file.
std::vector<TracePlay> PlaysOf(const TraceOutput& trace);
// Picture number 'index' of the recorder's picture file.
bool ReadRecordedPicture(const std::string& path, int width, int height, long index, Rgb* picture);
bool ReadPng(const std::string& path, Rgb* picture);
// Pixels where any channel differs by more than 'tolerance'; the whole area when the sizes differ.
long DifferingPixels(const Rgb& a, const Rgb& b, int tolerance);

// E2eAudio.cpp
constexpr int CaptureRate = 22050;
constexpr int CaptureBytesPerFrame = 4;  // 16-bit signed, two channels
constexpr int Audible = 300;             // a sample above this is sound, not silence (about -40 dB)

struct SoundSpan {
    long Start;  // first audible sample frame
    long End;    // one past the last audible one
};

// The left channel of a raw capture.
std::vector<int16_t> ReadCaptureLeft(const std::string& path);
// A 16-bit mono PCM WAV file's samples; empty when the file is not one.
std::vector<int16_t> ReadMonoWav(const std::string& path);
// The first audible sample, or -1.
long FirstAudible(const std::vector<int16_t>& samples);
// Stretches of sound separated by at least 'gap' samples of silence.
std::vector<SoundSpan> FindSounds(const std::vector<int16_t>& samples, long gap);
// Normalised correlation of a[from..] with b[bFrom..] over up to 'count' samples.
double Correlation(const std::vector<int16_t>& a, long from, const std::vector<int16_t>& b, long bFrom, long count);
// The wall-clock time at which a sample frame of the capture was heard.
double CaptureTime(const std::vector<AudioGrowth>& growth, long sampleFrame);
// Every expected recording is heard in the run's capture, where and as it was sent; nothing else is heard.
void JudgeSounds(const std::string& dir, const std::string& data, const RecorderLog& log,
                 const std::vector<ExpectedSound>& expected);
