// SoundDeviceTest.cpp -- the program's sound layer over SDL_mixer with broken recordings, and with no audio
// device at all. CTest runs the two groups in processes of their own (the layer tries the device once).
#include <gtest/gtest.h>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <unistd.h>
#include "platform/Sound.h"

namespace fs = std::filesystem;

static std::vector<std::string> Recordings()
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(QUILLORA_DATA_DIR))
        if (entry.path().extension() == ".wav") names.push_back(entry.path().string());
    return names;
}

static std::string ReadWhole(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The answer to "status sound mode", or "(untouched)" when the reply buffer was left as it was.
static std::string Mode()
{
    char reply[256];
    std::strcpy(reply, "(untouched)");
    SendSoundQuery("status sound mode", reply, sizeof reply);
    return reply;
}

static std::string ScratchFile(const std::string& name, const std::string& bytes)
{
    const fs::path path = fs::temp_directory_path() / ("quillora-sound-" + std::to_string(getpid()) + "-" + name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

TEST(WithDevice, AGoodRecordingPlays)
{
    SendSoundCommand(("open " + std::string(QUILLORA_DATA_DIR) + "/lauta.wav alias sound").c_str());
    SendSoundCommand("play sound");
    EXPECT_EQ(Mode(), "playing");
    SendSoundCommand("close sound");
    EXPECT_EQ(Mode(), "(untouched)");
}

static bool DeviceOpen()
{
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels) != 0;
}

// The idle menu lets the device go: a recording loaded before still plays after it, a paused one keeps the
// device (and its place), and a recording opened while the device rests wakes it.
TEST(WithDevice, AfterTheDeviceRestedRecordingsPlayAsBefore)
{
    const std::string data = QUILLORA_DATA_DIR;
    SendSoundCommand(("open " + data + "/lauta.wav alias sound").c_str());
    SendSoundCommand("play sound");
    SendSoundCommand("stop sound");
    RestSoundOutput();
    EXPECT_TRUE(DeviceOpen()) << "a paused recording lost its device";
    SendSoundCommand("play sound");
    EXPECT_EQ(Mode(), "playing");
    SendSoundCommand("play sound from 0");  // the device is busy: it stays open
    RestSoundOutput();
    EXPECT_EQ(Mode(), "playing");
    SendSoundCommand("close sound");

    SendSoundCommand(("open " + data + "/lauta.wav alias sound").c_str());
    RestSoundOutput();
    EXPECT_FALSE(DeviceOpen()) << "nothing played, yet the device stayed open";
    SendSoundCommand("play sound");
    EXPECT_EQ(Mode(), "playing");
    EXPECT_TRUE(DeviceOpen());
    SendSoundCommand("close sound");

    RestSoundOutput();
    SendSoundCommand(("open " + data + "/laut2a.wav alias soundx").c_str());
    SendSoundCommand("play soundx");
    EXPECT_TRUE(AnySoundPlaying());
    SendSoundCommand("close soundx");
    EXPECT_FALSE(AnySoundPlaying());
}

TEST(WithDevice, EveryRecordingCutOrGarbled_NeverOpensAndLeavesNothingAllocated)
{
    // Opens a good recording first, so the device is open and its own allocations are made.
    SendSoundCommand(("open " + std::string(QUILLORA_DATA_DIR) + "/lauta.wav alias sound").c_str());
    SendSoundCommand("close sound");
    std::vector<std::pair<std::string, std::string>> broken;  // name, bytes
    for (const std::string& recording : Recordings()) {
        const std::string bytes = ReadWhole(recording);
        const std::string name = fs::path(recording).filename().string();
        broken.push_back({"cut-" + name, bytes.substr(0, 40)});  // inside the header
        std::string garbage(bytes.size(), '\0');
        uint32_t seed = static_cast<uint32_t>(bytes.size());
        for (char& byte : garbage) byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
        broken.push_back({"garbage-" + name, garbage});
    }
    // Found by fuzzing: a file SDL_mixer could not place used to keep the file open, 72 bytes each time.
    broken.push_back({"unknown-kind", std::string("RdWQVFF\xc4", 8)});
    ASSERT_GT(broken.size(), 100u);

    const int allocationsBefore = SDL_GetNumAllocations();
    for (const auto& [name, bytes] : broken) {
        const std::string path = ScratchFile(name, bytes);
        SendSoundCommand(("open " + path + " alias sound").c_str());
        SendSoundCommand("play sound");
        EXPECT_EQ(Mode(), "(untouched)") << name << " opened";
        SendSoundCommand("close sound");
        fs::remove(path);
    }
    EXPECT_EQ(SDL_GetNumAllocations(), allocationsBefore);
}

TEST(WithoutDevice, RecordingsOpenAndCloseButNeverPlay_AndMissingOnesStillFailToOpen)
{
    for (const std::string& recording : Recordings()) {
        SendSoundCommand(("open " + recording + " alias sound").c_str());
        SendSoundCommand("play sound");
        EXPECT_EQ(Mode(), "stopped") << recording;
        SendSoundCommand("close sound");
    }
    SendSoundCommand("open /no/such/recording.wav alias sound");
    SendSoundCommand("play sound");
    EXPECT_EQ(Mode(), "(untouched)");
}
