// ReproducibleTest.cpp -- making the data again gives the same bytes as the build made.
#include "DataFiles.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include <gtest/gtest.h>

TEST(Reproducible, MakingEverythingAgainGivesByteIdenticalFiles)
{
    std::filesystem::path again = std::filesystem::temp_directory_path() /
                                  ("quillora-data-again-" + std::to_string(getpid()));
    std::filesystem::remove_all(again);
    std::string command = std::string("sh '") + QUILLORA_MAKE_ALL_DATA + "' '" + again.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    std::vector<std::string> files = {"texstone1.raw", "startscreen.gif", "bkgnd1.jpg", "mainicon.bmp"};
    for (int size : {16, 32, 48, 64, 128, 256})
        files.push_back("icons/quillora-" + std::to_string(size) + ".png");
    for (const std::string &name : RequiredRecordings()) {
        files.push_back(name + ".wav");
        for (const std::string &language : Languages())
            files.push_back(language + "/" + name + ".wav");
    }
    for (const std::string &file : files) {
        std::vector<uint8_t> built = ReadWholeFile(DataPath(file));
        std::vector<uint8_t> remade = ReadWholeFile((again / file).string());
        EXPECT_FALSE(built.empty()) << file;
        EXPECT_TRUE(built == remade) << file << " differs between two makes";
    }
    std::filesystem::remove_all(again);
}
