// DataFiles.h -- small readers the data tests share: whole files, WAV headers, the menu picture.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

std::string DataPath(const std::string &name);
std::vector<uint8_t> ReadWholeFile(const std::string &path);

struct WavInfo {
    bool Valid = false;
    int Format = 0, Channels = 0, Rate = 0, Bits = 0;
    std::vector<int16_t> Samples;
};
WavInfo ReadWav(const std::string &path);

struct PalettePicture {
    bool Valid = false;
    int Width = 0, Height = 0, ImageCount = 0, ColourCount = 0, BitsPerPixel = 0;
    std::vector<uint8_t> Indices;  // first row first
    std::vector<uint8_t> Rgb;      // the same pixels through the palette
};
PalettePicture ReadGif(const std::string &path);

// Every recording the program opens, by the name it opens it with (without ".wav").
std::vector<std::string> RequiredRecordings();
// The recordings each language speaks itself (the others are shared by all languages).
bool IsSpoken(const std::string &name);

// The languages the build made, the first being the default; each has a data directory DataPath(code).
std::vector<std::string> Languages();
// The languages with a column of their own in the recipe table.
std::vector<std::string> LanguagesOfTheRecipeTable();

// docs/languages.md, the page for translators: for each language it has a table (its heading names the code
// as (`fr`)), the letters whose sound each letter may share, from the column "same sound as": language ->
// letter -> those letters in alphabetical order ("KQ" for C in French), "" where it shares none.
std::map<std::string, std::map<char, std::string>> SharedSoundsOfTheLanguagePage();
