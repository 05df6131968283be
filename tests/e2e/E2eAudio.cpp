// E2eAudio.cpp -- the captured sound: where recordings start, whether they are the right ones, and when.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "E2eCheck.h"

// A recording is heard within this long of the moment it was sent (plus its own silent lead-in).
constexpr double SoundWithinSeconds = 0.100;

std::vector<int16_t> ReadCaptureLeft(const std::string& path)
{
    std::vector<int16_t> left;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return left;
    int16_t frame[2];
    while (std::fread(frame, sizeof frame, 1, file) == 1) left.push_back(frame[0]);
    std::fclose(file);
    return left;
}

static uint32_t Little32(const unsigned char* bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

std::vector<int16_t> ReadMonoWav(const std::string& path)
{
    std::vector<int16_t> samples;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return samples;
    unsigned char header[12];
    bool monoPcm16 = false;
    if (std::fread(header, 1, 12, file) == 12 && std::memcmp(header, "RIFF", 4) == 0 &&
        std::memcmp(header + 8, "WAVE", 4) == 0) {
        unsigned char chunk[8];
        while (std::fread(chunk, 1, 8, file) == 8) {
            const uint32_t size = Little32(chunk + 4);
            if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
                unsigned char format[16];
                if (std::fread(format, 1, 16, file) != 16) break;
                monoPcm16 = format[0] == 1 && format[2] == 1 && format[14] == 16;
                std::fseek(file, static_cast<long>(size - 16 + (size & 1)), SEEK_CUR);
            } else if (std::memcmp(chunk, "data", 4) == 0 && monoPcm16) {
                samples.resize(size / 2);
                samples.resize(std::fread(samples.data(), 2, samples.size(), file));
                break;
            } else {
                std::fseek(file, static_cast<long>(size + (size & 1)), SEEK_CUR);
            }
        }
    }
    std::fclose(file);
    return samples;
}

long FirstAudible(const std::vector<int16_t>& samples)
{
    for (size_t i = 0; i < samples.size(); i++)
        if (std::abs(samples[i]) > Audible) return static_cast<long>(i);
    return -1;
}

std::vector<SoundSpan> FindSounds(const std::vector<int16_t>& samples, long gap)
{
    std::vector<SoundSpan> sounds;
    for (long i = 0; i < static_cast<long>(samples.size()); i++) {
        if (std::abs(samples[i]) <= Audible) continue;
        if (sounds.empty() || i - sounds.back().End >= gap) sounds.push_back({i, i + 1});
        sounds.back().End = i + 1;
    }
    return sounds;
}

double Correlation(const std::vector<int16_t>& a, long from, const std::vector<int16_t>& b, long bFrom, long count)
{
    double ab = 0;
    double aa = 0;
    double bb = 0;
    for (long i = 0; i < count && from + i < static_cast<long>(a.size()) && bFrom + i < static_cast<long>(b.size()); i++) {
        const double x = a[from + i];
        const double y = b[bFrom + i];
        ab += x * y;
        aa += x * x;
        bb += y * y;
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

// The sound driver writes a buffer at a time, right after mixing it, then waits about a buffer's length. A
// recording started at any moment between two writes is first heard at the start of the next buffer, so a
// buffer's start stands for the middle of the time between the write before it and its own write.
double CaptureTime(const std::vector<AudioGrowth>& growth, long sampleFrame)
{
    constexpr double BytesPerSecond = CaptureRate * CaptureBytesPerFrame;
    const long byte = sampleFrame * CaptureBytesPerFrame;
    long before = 0;
    double previousWrite = -1;
    for (const AudioGrowth& step : growth) {
        if (step.Bytes > byte) {
            if (previousWrite < 0) previousWrite = step.Time - static_cast<double>(step.Bytes - before) / BytesPerSecond;
            return (previousWrite + step.Time) / 2 + static_cast<double>(byte - before) / BytesPerSecond;
        }
        before = step.Bytes;
        previousWrite = step.Time;
    }
    return growth.empty() ? 0 : growth.back().Time;
}

// Every expected recording is heard, where and as it was sent; nothing is heard that nobody sent.
void JudgeSounds(const std::string& dir, const std::string& data, const RecorderLog& log,
                        const std::vector<ExpectedSound>& expected)
{
    const std::vector<int16_t> capture = ReadCaptureLeft(dir + "/capture.raw");
    const std::vector<SoundSpan> heard = FindSounds(capture, CaptureRate / 10);
    std::vector<bool> used(heard.size(), false);
    for (const ExpectedSound& sound : expected) {
        const std::vector<int16_t> recording = ReadMonoWav(data + "/" + sound.File);
        const long leadIn = FirstAudible(recording);
        const double lead = static_cast<double>(leadIn) / CaptureRate;
        auto distance = [&](const SoundSpan& span) {
            const double at = CaptureTime(log.Audio, span.Start);
            return at < sound.Earliest + lead ? at - sound.Earliest - lead
                   : at > sound.Latest + lead ? at - sound.Latest - lead
                                              : 0.0;
        };
        long best = -1;
        for (size_t i = 0; i < heard.size(); i++)
            if (!used[i] && (best < 0 || std::fabs(distance(heard[i])) < std::fabs(distance(heard[static_cast<size_t>(best)]))))
                best = static_cast<long>(i);
        if (best < 0 || leadIn < 0) {
            Report(false, "sound", "%s (sent %s) was never heard", sound.File.c_str(), sound.When.c_str());
            continue;
        }
        used[static_cast<size_t>(best)] = true;
        const SoundSpan& span = heard[static_cast<size_t>(best)];
        const double offset = distance(span);
        const double likeness = Correlation(capture, span.Start, recording, leadIn, CaptureRate / 10);
        Report(std::fabs(offset) <= SoundWithinSeconds && likeness > 0.9, "sound",
               "%-11s sent %-14s heard %+4.0f ms from then (allowed %.0f), %.2f s long, likeness %.3f",
               sound.File.c_str(), sound.When.c_str(), offset * 1000, SoundWithinSeconds * 1000,
               static_cast<double>(span.End - span.Start) / CaptureRate, likeness);
    }
    for (size_t i = 0; i < heard.size(); i++)
        if (!used[i])
            Report(false, "sound", "a sound nobody sent, %.2f s into the capture (%.2f s long)",
                   static_cast<double>(heard[i].Start) / CaptureRate,
                   static_cast<double>(heard[i].End - heard[i].Start) / CaptureRate);
}
