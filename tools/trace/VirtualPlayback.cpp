// VirtualPlayback.cpp -- recordings that play on the virtual clock, and every sound command printed.
// A recording's length comes from its WAV header; it plays while tick - start < length - position.
#include <cstdio>
#include <cstring>
#include <vector>
#include "platform/SoundOutput.h"
#include "Trace.h"

struct VirtualRecording {
    uint32_t LengthMs;
    uint32_t PositionMs;  // where it stands when not playing
    uint32_t StartTick;   // when it last started or resumed
    bool Playing;
    bool InUse;
};

static std::vector<VirtualRecording> Recordings;

static uint32_t ReadLittle(const unsigned char* bytes, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; i--) value = value << 8 | bytes[i];
    return value;
}

// The length in milliseconds of a RIFF WAV file's data, or -1 when the file is not one.
static long WavLengthMs(const char* fileName)
{
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) return -1;
    unsigned char header[12];
    long length = -1;
    uint32_t bytesPerSecond = 0;
    if (std::fread(header, 1, 12, file) == 12 && std::memcmp(header, "RIFF", 4) == 0 &&
        std::memcmp(header + 8, "WAVE", 4) == 0) {
        unsigned char chunk[8];
        while (std::fread(chunk, 1, 8, file) == 8) {
            const uint32_t size = ReadLittle(chunk + 4, 4);
            if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
                unsigned char format[16];
                if (std::fread(format, 1, 16, file) != 16) break;
                bytesPerSecond = ReadLittle(format + 8, 4);
                if (std::fseek(file, static_cast<long>(size - 16 + (size & 1)), SEEK_CUR) != 0) break;
            } else if (std::memcmp(chunk, "data", 4) == 0) {
                if (bytesPerSecond != 0) length = static_cast<long>(uint64_t{size} * 1000 / bytesPerSecond);
                break;
            } else if (std::fseek(file, static_cast<long>(size + (size & 1)), SEEK_CUR) != 0) {
                break;
            }
        }
    }
    std::fclose(file);
    return length;
}

static VirtualRecording* RecordingOf(int recording)
{
    if (recording < 1 || recording > static_cast<int>(Recordings.size())) return nullptr;
    VirtualRecording* entry = &Recordings[recording - 1];
    if (!entry->InUse) return nullptr;
    // A recording that has reached its end stops there by itself.
    if (entry->Playing && TraceTick - entry->StartTick >= entry->LengthMs - entry->PositionMs) {
        entry->Playing = false;
        entry->PositionMs = entry->LengthMs;
    }
    return entry;
}

int SoundOutputLoad(const char* fileName)
{
    const long length = WavLengthMs(fileName);
    if (length < 0) return 0;
    size_t slot = 0;
    while (slot < Recordings.size() && Recordings[slot].InUse) slot++;
    if (slot == Recordings.size()) Recordings.push_back({});
    Recordings[slot] = {static_cast<uint32_t>(length), 0, 0, false, true};
    return static_cast<int>(slot) + 1;
}

void SoundOutputStart(int recording)
{
    if (VirtualRecording* entry = RecordingOf(recording)) *entry = {entry->LengthMs, 0, TraceTick, true, true};
}

void SoundOutputPause(int recording)
{
    VirtualRecording* entry = RecordingOf(recording);
    if (entry == nullptr || !entry->Playing) return;
    entry->PositionMs += TraceTick - entry->StartTick;
    entry->Playing = false;
}

void SoundOutputResume(int recording)
{
    VirtualRecording* entry = RecordingOf(recording);
    if (entry == nullptr || entry->Playing || entry->PositionMs >= entry->LengthMs) return;
    entry->StartTick = TraceTick;
    entry->Playing = true;
}

void SoundOutputHalt(int recording)
{
    if (VirtualRecording* entry = RecordingOf(recording)) {
        entry->Playing = false;
        entry->PositionMs = 0;
    }
}

void SoundOutputFree(int recording)
{
    if (VirtualRecording* entry = RecordingOf(recording)) entry->InUse = false;
}

bool SoundOutputIsPlaying(int recording)
{
    const VirtualRecording* entry = RecordingOf(recording);
    return entry != nullptr && entry->Playing;
}

static void PrintJsonString(const char* text)
{
    std::putchar('"');
    for (const char* c = text; *c != '\0'; c++) {
        if (*c == '"' || *c == '\\') std::putchar('\\');
        if (static_cast<unsigned char>(*c) < 0x20)
            std::printf("\\u%04x", static_cast<unsigned char>(*c));
        else
            std::putchar(*c);
    }
    std::putchar('"');
}

void SoundOutputRest()
{
    // Virtual playback has no device to rest.
}

void SoundOutputNoteCommand(const char* command, const char* reply)
{
    std::printf("{\"frame\":%d,\"sound\":", TraceFrame);
    PrintJsonString(command);
    if (reply != nullptr) {
        std::printf(",\"reply\":");
        PrintJsonString(reply);
    }
    std::printf("}\n");
}
