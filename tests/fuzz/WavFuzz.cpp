// WavFuzz.cpp -- fuzz target: any bytes as a recording, opened, played, queried, stopped and closed through the
// program's sound commands. Built twice: over the program's SDL_mixer output (on SDL's silent dummy device)
// and over quillora-trace's virtual playback, which reads the length from the WAV header itself.
#include <cstdlib>
#include <cstring>
#include "FuzzProgram.h"
#include "platform/Sound.h"
#include "platform/SoundOutput.h"

#ifdef QUILLORA_FUZZ_VIRTUAL_PLAYBACK
#include "Trace.h"
uint32_t TraceTick;
int TraceFrame;
static void LetTimePass(uint32_t milliseconds) { TraceTick += milliseconds; }
#else
static void LetTimePass(uint32_t) {}
#endif

static void CheckMode(const char* when)
{
    char reply[256];
    std::memset(reply, 0, sizeof reply);
    SendSoundQuery("status sound mode", reply, sizeof reply);
    if (reply[0] != '\0' && std::strcmp(reply, "playing") != 0 && std::strcmp(reply, "stopped") != 0)
        FuzzFailure(std::string("the mode query ") + when + " answered \"" + reply + "\"");
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EnterScratchDirectory();
    SoundOutputLoad("no-such-recording.wav");  // opens the audio device once, outside any input
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteScratchFile("recording.wav", data, size);
    SendSoundCommand("open recording.wav alias sound");
    SendSoundCommand("play sound");
    CheckMode("after play");
    LetTimePass(700);
    SendSoundCommand("stop sound");
    CheckMode("after stop");
    SendSoundCommand("play sound");
    LetTimePass(100000);
    CheckMode("long after play");
    SendSoundCommand("play sound from 0");
    SendSoundCommand("close sound");
    CheckMode("after close");
    return 0;
}
