// FuzzSoundOutput.cpp -- a sound output that fails the fuzz run when the interpreter uses a recording it never
// loaded or has already freed. A file "exists" when its name does not start with 'x', so opens both work and fail.
#include <map>
#include <string>
#include "FuzzProgram.h"
#include "FuzzSoundOutput.h"
#include "platform/SoundOutput.h"

struct FuzzRecording {
    bool Playing;
    bool Paused;
};

static std::map<int, FuzzRecording> Live;
static int NextRecording = 1;

static FuzzRecording& LiveRecording(int recording, const char* call)
{
    auto found = Live.find(recording);
    if (found == Live.end())
        FuzzFailure(std::string(call) + " on recording " + std::to_string(recording) + ", which is not loaded");
    return found->second;
}

int LiveFuzzRecordings()
{
    return static_cast<int>(Live.size());
}

int SoundOutputLoad(const char* fileName)
{
    if (fileName[0] == 'x' || fileName[0] == '\0') return 0;
    Live[NextRecording] = {false, false};
    return NextRecording++;
}

void SoundOutputStart(int recording)
{
    LiveRecording(recording, "start") = {true, false};
}

void SoundOutputPause(int recording)
{
    LiveRecording(recording, "pause").Paused = true;
}

void SoundOutputResume(int recording)
{
    LiveRecording(recording, "resume").Paused = false;
}

void SoundOutputHalt(int recording)
{
    LiveRecording(recording, "halt") = {false, false};
}

void SoundOutputFree(int recording)
{
    LiveRecording(recording, "free");
    Live.erase(recording);
}

bool SoundOutputIsPlaying(int recording)
{
    const FuzzRecording& entry = LiveRecording(recording, "is-playing");
    return entry.Playing && !entry.Paused;
}

void SoundOutputRest()
{
}

static long CommandsSent;

void SoundOutputNoteCommand(const char*, const char*)
{
    CommandsSent++;
}

long FuzzSoundCommandsSent()
{
    return CommandsSent;
}

void EndFuzzRecordings()
{
    for (auto& [recording, entry] : Live) entry.Playing = false;
}
