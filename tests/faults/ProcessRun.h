// ProcessRun.h -- runs the program (or its harness, trace or tour) as a process of its own for a fault test,
// and makes scratch copies of the data directory with one file broken.
#pragma once
#include <string>
#include <vector>

struct ProcessResult {
    int ExitCode;        // -1 when the process did not exit by itself (a crash or a signal)
    std::string Output;  // standard output
    std::string Errors;  // standard error
};

// Runs command (shell words) in directory with extra environment settings ("NAME=value ..."), headless:
// SDL_VIDEODRIVER=offscreen and SDL_AUDIODRIVER=dummy unless the settings say otherwise.
ProcessResult RunProcess(const std::string& directory, const std::string& environment, const std::string& command);
std::vector<std::string> Lines(const std::string& text);

enum class Breakage { Missing, Truncated, Garbage };
const char* BreakageName(Breakage breakage);
// A fresh directory whose files link to the built data files; removed by RemoveDataCopy.
std::string MakeDataCopy();
void RemoveDataCopy(const std::string& directory);
// Replaces one file of a copy: gone, cut to its first cutBytes bytes, or the same size of pseudo-random bytes.
void BreakDataFile(const std::string& directory, const std::string& name, Breakage breakage, long cutBytes);
// The size in bytes of a built data file.
long DataFileSize(const std::string& name);
// The names of the built data files that end in suffix, sorted.
std::vector<std::string> DataFilesEndingIn(const std::string& suffix);
