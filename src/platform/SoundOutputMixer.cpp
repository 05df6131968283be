// SoundOutputMixer.cpp -- recordings played through SDL_mixer, each on a channel of its own.
// Without an audio device the program runs silently: recordings load but never play.
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>
#include "platform/SoundOutput.h"

constexpr int MixerChannels = 16;

struct MixerRecording {
    Mix_Chunk* Chunk;
    bool InUse;
};

static MixerRecording Recordings[MixerChannels];
// Resting: the device was open and has been let go while nothing played; loaded recordings stay loaded, in the
// format the device had, and the next recording to load or start opens it again.
static enum { MixerUntried, MixerOpen, MixerResting, MixerSilent } MixerState = MixerUntried;

static bool OpenMixer()
{
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) return false;
    Mix_AllocateChannels(MixerChannels);
    return true;
}

// Volume mixers list the stream as Quillora's game sound, with the program's icon. SDL takes the names and
// the role (PipeWire's) as hints; the icon name, and the role under PulseAudio, go to the sound server's own
// client library as its environment properties. A user's environment keeps the last word on every one.
static void NameTheSoundStream()
{
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quillora");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Quillora");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "Game");
    SDL_setenv("PULSE_PROP_application.icon_name", QUILLORA_APP_ID, 0);
    SDL_setenv("PULSE_PROP_media.role", "game", 0);
    SDL_setenv("PIPEWIRE_PROPS", "application.icon_name=" QUILLORA_APP_ID, 0);
}

static bool MixerReady()
{
    if (MixerState == MixerResting) {
        MixerState = OpenMixer() ? MixerOpen : MixerSilent;
        if (MixerState == MixerSilent)
            std::fprintf(stderr, "quillora: the sound device could not be opened again (%s); playing silently\n",
                         SDL_GetError());
    }
    if (MixerState == MixerUntried) {
        MixerState = MixerSilent;
        NameTheSoundStream();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && OpenMixer()) {
            MixerState = MixerOpen;
        } else {
            // Said once, so that a parent wondering why it is quiet has a lead; the program goes on.
            std::fprintf(stderr, "quillora: no sound device could be opened (%s); playing silently\n", SDL_GetError());
        }
    }
    return MixerState == MixerOpen;
}

// Recording handles are channel numbers plus one.
static MixerRecording* RecordingOf(int recording)
{
    if (recording < 1 || recording > MixerChannels || !Recordings[recording - 1].InUse) return nullptr;
    return &Recordings[recording - 1];
}

int SoundOutputLoad(const char* fileName)
{
    int channel = 0;
    while (channel < MixerChannels && Recordings[channel].InUse) channel++;
    if (channel == MixerChannels) return 0;

    Mix_Chunk* chunk = nullptr;
    if (MixerReady()) {
        // The file is closed here: SDL_mixer leaves it open when it cannot tell what the file holds.
        SDL_RWops* file = SDL_RWFromFile(fileName, "rb");
        if (file == nullptr) return 0;
        chunk = Mix_LoadWAV_RW(file, 0);
        SDL_RWclose(file);
        if (chunk == nullptr) return 0;
    } else {
        // Silent: the alias rules still want a missing file to fail.
        std::FILE* file = std::fopen(fileName, "rb");
        if (file == nullptr) return 0;
        std::fclose(file);
    }
    Recordings[channel] = {chunk, true};
    return channel + 1;
}

void SoundOutputStart(int recording)
{
    MixerRecording* entry = RecordingOf(recording);
    if (entry != nullptr && entry->Chunk != nullptr && MixerReady()) Mix_PlayChannel(recording - 1, entry->Chunk, 0);
}

void SoundOutputPause(int recording)
{
    if (RecordingOf(recording) != nullptr && MixerState == MixerOpen) Mix_Pause(recording - 1);
}

void SoundOutputResume(int recording)
{
    if (RecordingOf(recording) != nullptr && MixerState == MixerOpen) Mix_Resume(recording - 1);
}

void SoundOutputHalt(int recording)
{
    if (RecordingOf(recording) != nullptr && MixerState == MixerOpen) Mix_HaltChannel(recording - 1);
}

void SoundOutputFree(int recording)
{
    MixerRecording* entry = RecordingOf(recording);
    if (entry == nullptr) return;
    if (MixerState == MixerOpen) Mix_HaltChannel(recording - 1);
    if (entry->Chunk != nullptr) Mix_FreeChunk(entry->Chunk);
    *entry = {nullptr, false};
}

bool SoundOutputIsPlaying(int recording)
{
    if (RecordingOf(recording) == nullptr || MixerState != MixerOpen) return false;
    return Mix_Playing(recording - 1) != 0 && Mix_Paused(recording - 1) == 0;
}

void SoundOutputRest()
{
    // A paused channel keeps its place for a later resume, which closing the device would lose.
    if (MixerState != MixerOpen || Mix_Playing(-1) != 0) return;
    Mix_CloseAudio();
    MixerState = MixerResting;
}

void SoundOutputNoteCommand(const char*, const char*)
{
}
