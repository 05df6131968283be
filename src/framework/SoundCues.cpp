// SoundCues.cpp -- starting a scene's recording again, and the watch on the recording's mode.
#include <cstring>
#include "framework/SoundCues.h"
#include "platform/Sound.h"
#include "world/World.h"

void RestartCue(const char* openCommand)
{
    SendSoundCommand("close sound");
    SendSoundCommand(openCommand);
    SendSoundCommand("play sound");
}

bool WatchSoundMode(const char* restartOpenCommand, bool askAgain)
{
    SendSoundQuery("status sound mode", ModeReply, ModeReplyBytes);
    const bool changed = std::strncmp(ModeReply, PreviousModeReply, ModeReplyBytes) != 0;
    if (changed && restartOpenCommand != nullptr) {
        RestartCue(restartOpenCommand);
        if (askAgain) SendSoundQuery("status sound mode", ModeReply, ModeReplyBytes);
    }
    std::memcpy(PreviousModeReply, ModeReply, ModeReplyBytes);
    return changed;
}
