// SoundCommands.cpp -- the sound command interpreter: aliases, open, play, stop, close, status.
// Portable: it plays through whatever SoundOutput.h is linked in.
#include <cstring>
#include <string>
#include <vector>
#include "platform/Sound.h"
#include "platform/SoundOutput.h"

struct SoundAlias {
    std::string Name;
    int Recording;  // from SoundOutputLoad; never 0 while the alias is open
    bool Started;   // "play" has run once; later plays resume
};

static std::vector<SoundAlias> OpenAliases;

static SoundAlias* FindAlias(const std::string& name)
{
    for (SoundAlias& alias : OpenAliases)
        if (alias.Name == name) return &alias;
    return nullptr;
}

static std::vector<std::string> SplitWords(const char* text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char* c = text; *c != '\0'; c++) {
        if (*c == ' ') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += *c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

static void CloseAlias(const std::string& name)
{
    for (size_t i = 0; i < OpenAliases.size(); i++) {
        if (OpenAliases[i].Name != name) continue;
        SoundOutputHalt(OpenAliases[i].Recording);
        SoundOutputFree(OpenAliases[i].Recording);
        OpenAliases.erase(OpenAliases.begin() + static_cast<long>(i));
        return;
    }
}

// Runs one command; writes a query's answer into reply. Returns whether reply was written.
static bool RunCommand(const std::vector<std::string>& words, char* reply, int replyLength)
{
    if (words.size() < 2) return false;
    const std::string& verb = words[0];

    if (verb == "open" && words.size() == 4 && words[2] == "alias") {
        if (FindAlias(words[3]) != nullptr) return false;  // a taken alias keeps its recording
        const int recording = SoundOutputLoad(words[1].c_str());
        if (recording != 0) OpenAliases.push_back({words[3], recording, false});
        return false;
    }
    SoundAlias* alias = FindAlias(words[1]);
    if (alias == nullptr) return false;

    if (verb == "play" && words.size() == 2) {
        if (!alias->Started)
            SoundOutputStart(alias->Recording);
        else if (!SoundOutputIsPlaying(alias->Recording))
            SoundOutputResume(alias->Recording);  // from where it stands; a finished recording stays at its end
        alias->Started = true;
    } else if (verb == "play" && words.size() == 4 && words[2] == "from" && words[3] == "0") {
        SoundOutputStart(alias->Recording);
        alias->Started = true;
    } else if (verb == "stop" && words.size() == 2) {
        SoundOutputPause(alias->Recording);
    } else if (verb == "close" && words.size() == 2) {
        CloseAlias(words[1]);
    } else if (verb == "status" && words.size() == 3 && words[2] == "mode" && reply != nullptr && replyLength > 0) {
        const char* mode = SoundOutputIsPlaying(alias->Recording) ? "playing" : "stopped";
        std::strncpy(reply, mode, static_cast<size_t>(replyLength) - 1);
        reply[replyLength - 1] = '\0';
        return true;
    }
    return false;
}

void SendSoundCommand(const char* command)
{
    SoundOutputNoteCommand(command, nullptr);
    RunCommand(SplitWords(command), nullptr, 0);
}

void SendSoundQuery(const char* command, char* reply, int replyLength)
{
    const bool answered = RunCommand(SplitWords(command), reply, replyLength);
    SoundOutputNoteCommand(command, answered ? reply : nullptr);
}

bool AnySoundPlaying()
{
    for (const SoundAlias& alias : OpenAliases)
        if (SoundOutputIsPlaying(alias.Recording)) return true;
    return false;
}

void RestSoundOutput()
{
    SoundOutputRest();
}

void CloseAllSoundAliases()
{
    while (!OpenAliases.empty()) CloseAlias(OpenAliases.front().Name);
}
