// sound_test.cpp -- the alias rules of the sound command interpreter, over a fake player.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include "doubles/Doubles.h"
#include "platform/Sound.h"

class SoundCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quillora-sound-XXXXXX";
        directory = mkdtemp(pattern);
        ASSERT_EQ(chdir(directory.c_str()), 0);
        for (const char* name : {"lauta.wav", "lautb.wav", "auto.wav"}) std::fclose(std::fopen(name, "wb"));
        ResetFakeSound();
    }
    void TearDown() override
    {
        ResetFakeSound();
        std::filesystem::remove_all(directory);
    }
    static std::string Mode(const char* alias, const char* before = "untouched")
    {
        char reply[256];
        std::snprintf(reply, sizeof reply, "%s", before);
        SendSoundQuery((std::string("status ") + alias + " mode").c_str(), reply, sizeof reply);
        return reply;
    }
    std::string directory;
};

TEST_F(SoundCommands, AnOpenAliasKeepsItsRecordingUntilClosed)
{
    SendSoundCommand("open lauta.wav alias sound");
    SendSoundCommand("open lautb.wav alias sound");  // taken: no effect
    SendSoundCommand("play sound");
    EXPECT_EQ(SoundOutputCalls, (std::vector<std::string>{"load lauta.wav 1", "start 1"}));
    EXPECT_EQ(Mode("sound"), "playing");

    SendSoundCommand("close sound");
    SendSoundCommand("open lautb.wav alias sound");
    SendSoundCommand("play sound");
    EXPECT_EQ(SoundOutputCalls.back(), "start 2");
}

TEST_F(SoundCommands, MissingFilesAndUnknownAliasesDoNothing)
{
    SendSoundCommand("open nothing.wav alias sound");
    SendSoundCommand("play sound");
    SendSoundCommand("stop sound");
    SendSoundCommand("close sound");
    SendSoundCommand("");
    SendSoundCommand("   ");
    SendSoundCommand("open");
    SendSoundCommand("fly sound away");
    EXPECT_TRUE(SoundOutputCalls.empty());
    EXPECT_EQ(Mode("sound"), "untouched");  // a closed alias leaves the reply as it was
}

TEST_F(SoundCommands, StopPausesAndPlayResumesButAFinishedRecordingStaysFinished)
{
    SendSoundCommand("open auto.wav alias auto");
    SendSoundCommand("play auto");
    SendSoundCommand("stop auto");
    EXPECT_EQ(Mode("auto"), "stopped");
    SendSoundCommand("play auto");
    EXPECT_EQ(SoundOutputCalls.back(), "resume 1");
    EXPECT_EQ(Mode("auto"), "playing");

    FinishFakeRecording(1);
    SendSoundCommand("play auto");
    EXPECT_EQ(Mode("auto"), "stopped");
    SendSoundCommand("play auto from 0");
    EXPECT_EQ(SoundOutputCalls.back(), "start 1");
    EXPECT_EQ(Mode("auto"), "playing");
    SendSoundCommand("play auto from 0");  // restarts even while playing
    EXPECT_EQ(SoundOutputCalls.back(), "start 1");
}

TEST_F(SoundCommands, AliasesAreIndependentAndTheReplyFitsItsBuffer)
{
    SendSoundCommand("open lauta.wav alias sound");
    SendSoundCommand("open lautb.wav alias soundx");
    SendSoundCommand("play soundx");
    EXPECT_EQ(Mode("sound"), "stopped");
    EXPECT_EQ(Mode("soundx"), "playing");

    char tiny[4] = {'x', 'x', 'x', 'x'};
    SendSoundQuery("status soundx mode", tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "pla");
    SendSoundQuery("status soundx mode", nullptr, 0);  // no buffer: nothing written, nothing broken

    CloseAllSoundAliases();
    EXPECT_EQ(Mode("soundx"), "untouched");
}
