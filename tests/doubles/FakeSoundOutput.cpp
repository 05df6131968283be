// FakeSoundOutput.cpp -- a player that only remembers: which files exist is up to the file system,
// and a recording plays from its start until the test finishes it.
#include <cstdio>
#include <map>
#include "platform/Sound.h"
#include "platform/SoundOutput.h"
#include "doubles/Doubles.h"

std::vector<std::string> SentSoundCommands;
std::vector<std::string> SoundOutputCalls;

struct FakeRecording {
    bool Playing;
    bool AtEnd;
};

static std::map<int, FakeRecording> Recordings;
static int NextRecording = 1;

static void Note(const std::string& what, int recording)
{
    SoundOutputCalls.push_back(what + " " + std::to_string(recording));
}

int SoundOutputLoad(const char* fileName)
{
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) return 0;
    std::fclose(file);
    Recordings[NextRecording] = {false, false};
    Note(std::string("load ") + fileName, NextRecording);
    return NextRecording++;
}

void SoundOutputStart(int recording)
{
    Recordings[recording] = {true, false};
    Note("start", recording);
}

void SoundOutputPause(int recording)
{
    Recordings[recording].Playing = false;
    Note("pause", recording);
}

void SoundOutputResume(int recording)
{
    if (!Recordings[recording].AtEnd) Recordings[recording].Playing = true;
    Note("resume", recording);
}

void SoundOutputHalt(int recording)
{
    Recordings[recording] = {false, false};
    Note("halt", recording);
}

void SoundOutputFree(int recording)
{
    Recordings.erase(recording);
    Note("free", recording);
}

bool SoundOutputIsPlaying(int recording)
{
    auto found = Recordings.find(recording);
    return found != Recordings.end() && found->second.Playing;
}

void SoundOutputRest()
{
    SoundOutputCalls.push_back("rest");
}

void SoundOutputNoteCommand(const char* command, const char*)
{
    SentSoundCommands.push_back(command);
}

void FinishFakeRecording(int recording)
{
    Recordings[recording] = {false, true};
}

void ResetFakeSound()
{
    CloseAllSoundAliases();
    Recordings.clear();
    NextRecording = 1;
    SentSoundCommands.clear();
    SoundOutputCalls.clear();
}
