// playback_test.cpp -- the trace's virtual playback under the program's sound commands.
#include <gtest/gtest.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include "platform/Sound.h"
#include "../tools/trace/Trace.h"

int TraceFrame;

// A mono 16-bit 22050 Hz WAV of the given length.
static void WriteWav(const std::string& name, int milliseconds)
{
    const uint32_t dataBytes = 22050u * 2u * static_cast<uint32_t>(milliseconds) / 1000u;
    std::FILE* file = std::fopen(name.c_str(), "wb");
    auto put32 = [file](uint32_t v) { for (int i = 0; i < 4; i++) std::fputc(static_cast<int>(v >> (8 * i)) & 0xFF, file); };
    auto put16 = [file](uint16_t v) { std::fputc(v & 0xFF, file); std::fputc(v >> 8, file); };
    std::fputs("RIFF", file);
    put32(36 + dataBytes);
    std::fputs("WAVEfmt ", file);
    put32(16);
    put16(1);
    put16(1);
    put32(22050);
    put32(44100);
    put16(2);
    put16(16);
    std::fputs("data", file);
    put32(dataBytes);
    for (uint32_t i = 0; i < dataBytes; i++) std::fputc(0, file);
    std::fclose(file);
}

class VirtualPlayback : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quillora-playback-XXXXXX";
        directory = mkdtemp(pattern);
        ASSERT_EQ(chdir(directory.c_str()), 0);
        WriteWav("one.wav", 1000);
        std::fclose(std::fopen("empty.wav", "wb"));
        TraceTick = 10000;
    }
    void TearDown() override
    {
        CloseAllSoundAliases();
        std::filesystem::remove_all(directory);
    }
    static std::string Mode(const char* alias)
    {
        char reply[256] = "untouched";
        SendSoundQuery((std::string("status ") + alias + " mode").c_str(), reply, sizeof reply);
        return reply;
    }
    std::string directory;
};

TEST_F(VirtualPlayback, PlaysForItsLengthThenStaysAtItsEnd)
{
    SendSoundCommand("open one.wav alias sound");
    EXPECT_EQ(Mode("sound"), "stopped");
    SendSoundCommand("play sound");
    TraceTick += 999;
    EXPECT_EQ(Mode("sound"), "playing");
    TraceTick += 1;
    EXPECT_EQ(Mode("sound"), "stopped");
    SendSoundCommand("play sound");  // finished: plays nothing
    EXPECT_EQ(Mode("sound"), "stopped");
    SendSoundCommand("play sound from 0");
    TraceTick += 500;
    EXPECT_EQ(Mode("sound"), "playing");
}

TEST_F(VirtualPlayback, StopPausesAndPlayResumesWhereItStood)
{
    SendSoundCommand("open one.wav alias sound");
    SendSoundCommand("play sound");
    TraceTick += 600;
    SendSoundCommand("stop sound");
    TraceTick += 5000;
    EXPECT_EQ(Mode("sound"), "stopped");
    SendSoundCommand("play sound");
    TraceTick += 399;
    EXPECT_EQ(Mode("sound"), "playing");
    TraceTick += 1;
    EXPECT_EQ(Mode("sound"), "stopped");
}

TEST_F(VirtualPlayback, MissingOrBrokenFilesNeverOpen)
{
    SendSoundCommand("open missing.wav alias sound");
    EXPECT_EQ(Mode("sound"), "untouched");
    SendSoundCommand("open empty.wav alias sound");
    EXPECT_EQ(Mode("sound"), "untouched");
    SendSoundCommand("open one.wav alias sound");
    EXPECT_EQ(Mode("sound"), "stopped");
    SendSoundCommand("close sound");
    EXPECT_EQ(Mode("sound"), "untouched");
}
