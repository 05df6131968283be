// DataFilesTest.cpp -- every data file the program reads is there, in the exact format it expects.
#include "DataFiles.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <sys/stat.h>

#ifdef QUILLORA_TEST_WITH_SDL
#include <SDL.h>
#endif

static double Luminance(const uint8_t *p) { return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]; }

TEST(StoneTexture, IsRaw64By64RgbWithStonesAndMortarThatTileWithoutASeam)
{
    std::vector<uint8_t> texels = ReadWholeFile(DataPath("texstone1.raw"));
    ASSERT_EQ(texels.size(), 12288u);
    auto at = [&](int x, int y) { return &texels[((y & 63) * 64 + (x & 63)) * 3]; };

    // Stones and mortar: a clear spread of brightness, not a flat colour.
    double darkest = 255, brightest = 0;
    for (int i = 0; i < 64 * 64; i++) {
        darkest = std::min(darkest, Luminance(&texels[i * 3]));
        brightest = std::max(brightest, Luminance(&texels[i * 3]));
    }
    EXPECT_GT(brightest - darkest, 50);

    // A seam shows as a jump across the tile's edge larger than the jumps inside it.
    double inside = 0, across = 0;
    for (int i = 0; i < 64; i++) {
        for (int x = 0; x < 63; x++)
            inside += std::fabs(Luminance(at(x, i)) - Luminance(at(x + 1, i))) / 63;
        across += std::fabs(Luminance(at(63, i)) - Luminance(at(0, i)));
        across += std::fabs(Luminance(at(i, 63)) - Luminance(at(i, 0)));
    }
    EXPECT_LT(across / 2, inside * 1.6) << "the texture's edges do not meet";
}

TEST(MenuPicture, IsAn8BitPaletteGif760By550ThatEveryoneCanRead)
{
    PalettePicture gif = ReadGif(DataPath("startscreen.gif"));
    ASSERT_TRUE(gif.Valid);
    EXPECT_EQ(gif.Width, 760);
    EXPECT_EQ(gif.Height, 550);
    EXPECT_EQ(gif.ImageCount, 1);
    EXPECT_EQ(gif.BitsPerPixel, 8);
    EXPECT_EQ(gif.ColourCount, 256);
    struct stat info;
    ASSERT_EQ(stat(DataPath("startscreen.gif").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(Backdrop, IsA760By550ColourJpegWithoutRedOrGreyThatWouldHideThePropsAndTheFigure)
{
    FILE *file = std::fopen(DataPath("bkgnd1.jpg").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    EXPECT_EQ(info.output_width, 760u);
    EXPECT_EQ(info.output_height, 550u);
    ASSERT_EQ(info.output_components, 3);
    std::vector<uint8_t> row(info.output_width * 3);
    long reddish = 0, greyish = 0, pixels = 0;
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (size_t x = 0; x < info.output_width; x++, pixels++) {
            int r = row[x * 3], g = row[x * 3 + 1], b = row[x * 3 + 2];
            reddish += r > g + 30 && r > b + 30;
            // The figure is a mid grey; near-white clouds are fine.
            greyish += std::max({r, g, b}) - std::min({r, g, b}) < 12 && r > 70 && r < 190;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    EXPECT_EQ(reddish, 0);
    EXPECT_LT(greyish, pixels / 100);
}

// Each recording, in every language's data directory, is 22050 Hz mono 16-bit PCM, audible, and as short
// as its moment needs.
TEST(Recordings, AreAudible22050HzMono16BitWavOfTheirLengthInEveryLanguage)
{
    for (const std::string &language : Languages())
        for (const std::string &name : RequiredRecordings()) {
            SCOPED_TRACE(language + "/" + name);
            WavInfo wav = ReadWav(DataPath(language + "/" + name + ".wav"));
            ASSERT_TRUE(wav.Valid);
            EXPECT_EQ(wav.Format, 1);
            EXPECT_EQ(wav.Channels, 1);
            EXPECT_EQ(wav.Rate, 22050);
            EXPECT_EQ(wav.Bits, 16);
            double seconds = wav.Samples.size() / 22050.0;
            double longest = name.rfind("laut2", 0) == 0 && name.size() == 6 ? 1.0   // a letter's name
                             : name.rfind("laut", 0) == 0                    ? 1.5   // a letter's sound
                                                                             : 4.0;
            EXPECT_GT(seconds, 0.03);
            EXPECT_LT(seconds, longest);
            int peak = 0;
            for (int16_t s : wav.Samples)
                peak = std::max(peak, std::abs((int)s));
            EXPECT_GT(peak, 8000) << "too quiet to hear";
            EXPECT_LT(peak, 32767) << "clipped";
        }
}

TEST(Recordings, StartPromptlySoANameFollowsTheMouse)
{
    for (const std::string &language : Languages())
        for (const std::string &name : RequiredRecordings()) {
            SCOPED_TRACE(language + "/" + name);
            WavInfo wav = ReadWav(DataPath(language + "/" + name + ".wav"));
            ASSERT_TRUE(wav.Valid);
            size_t first = 0;
            while (first < wav.Samples.size() && std::abs((int)wav.Samples[first]) < 1000)
                first++;
            EXPECT_LT(first / 22050.0, 0.2);
        }
}

// A letter's sound is never its name again, in any language the recipe table writes out.
TEST(Recordings, SayEveryLettersSoundOtherThanItsName)
{
    std::vector<std::string> written = LanguagesOfTheRecipeTable();
    ASSERT_FALSE(written.empty());
    for (const std::string &language : Languages()) {
        if (std::find(written.begin(), written.end(), language) == written.end())
            continue;  // a language without a column says its letters alone, as their names
        for (char letter = 'a'; letter <= 'z'; letter++) {
            SCOPED_TRACE(language + " " + letter);
            WavInfo name = ReadWav(DataPath(language + "/laut2" + letter + ".wav"));
            WavInfo sound = ReadWav(DataPath(language + "/laut" + letter + ".wav"));
            ASSERT_TRUE(name.Valid && sound.Valid);
            EXPECT_NE(name.Samples, sound.Samples);
        }
    }
}

// Two letters say one sound only where the language really has one sound for both (Spanish B and V) and
// the language page says so; any other pair of byte-identical sounds is an accident of the recipe table.
TEST(Recordings, ShareALettersSoundOnlyWhereTheLanguagePageSaysSo)
{
    std::vector<std::string> written = LanguagesOfTheRecipeTable();
    std::map<std::string, std::map<char, std::string>> page = SharedSoundsOfTheLanguagePage();
    for (const std::string &language : Languages()) {
        if (std::find(written.begin(), written.end(), language) == written.end())
            continue;  // a language without a column says its letters alone, as their names
        ASSERT_EQ(page[language].size(), 26u) << "docs/languages.md has no table of 26 letters for " << language;
        std::map<char, std::vector<uint8_t>> sounds;
        for (char letter = 'A'; letter <= 'Z'; letter++) {
            std::string file = std::string("laut") + (char)std::tolower(letter) + ".wav";
            sounds[letter] = ReadWholeFile(DataPath(language + "/" + file));
            ASSERT_FALSE(sounds[letter].empty()) << language << "/" << file;
        }
        for (char letter = 'A'; letter <= 'Z'; letter++) {
            std::string same;
            for (char other = 'A'; other <= 'Z'; other++)
                if (other != letter && sounds[other] == sounds[letter])
                    same += other;
            EXPECT_EQ(same, page[language][letter])
                << language << ": the sound of " << letter << " is byte-identical to the sounds of \"" << same
                << "\", and docs/languages.md allows \"" << page[language][letter] << "\"";
        }
    }
}

// How loud a recording sounds: the RMS level in dBFS of its 20 ms stretches that are not near-silence.
static void AddLoudness(const std::vector<int16_t> &samples, double &energy, long &count)
{
    const size_t window = 441;
    for (size_t at = 0; at + window <= samples.size(); at += window) {
        double sum = 0;
        for (size_t i = at; i < at + window; i++)
            sum += (double)samples[i] * samples[i];
        if (sum / window > 327.0 * 327.0) {  // above -40 dBFS
            energy += sum;
            count += window;
        }
    }
}

// A child who switches languages hears every voice about as loud: the languages' spoken recordings lie
// within 2 dB of each other.
TEST(Recordings, EveryLanguageSpeaksAboutAsLoud)
{
    double quietest = 0, loudest = -100;
    for (const std::string &language : Languages()) {
        double energy = 0;
        long count = 0;
        for (const std::string &name : RequiredRecordings())
            if (IsSpoken(name))
                AddLoudness(ReadWav(DataPath(language + "/" + name + ".wav")).Samples, energy, count);
        ASSERT_GT(count, 0) << language;
        double level = 10 * std::log10(energy / count / (32768.0 * 32768.0));
        std::printf("%s speaks at %.1f dBFS\n", language.c_str(), level);
        quietest = std::min(quietest, level);
        loudest = std::max(loudest, level);
    }
    EXPECT_LE(loudest - quietest, 2.0);
}

// "Find the letter": every question and cheer in every language is a sentence, 22050 Hz mono IMA ADPCM that SDL
// decodes as the program's player does, and audible; each question longer than the letter it asks for, and no two
// questions by name alike (by sound, letters that share a sound are asked for alike, C and K as "kuh").
TEST(GameRecordings, AreAudibleSentencesSdlDecodesInEveryLanguage)
{
#ifdef QUILLORA_TEST_WITH_SDL
    std::vector<std::string> names = {"cheer1", "cheer2", "cheer3", "cheerend"};
    for (char c = 'a'; c <= 'z'; c++) {
        names.push_back(std::string("ask2") + c);
        names.push_back(std::string("ask") + c);
    }
    for (const std::string &language : Languages()) {
        std::vector<std::vector<uint8_t>> questions;
        for (const std::string &name : names) {
            SCOPED_TRACE(language + "/" + name);
            const std::string path = DataPath(language + "/" + name + ".wav");
            WavInfo header = ReadWav(path);
            ASSERT_TRUE(header.Valid);
            EXPECT_EQ(header.Format, 0x11);  // IMA ADPCM
            EXPECT_EQ(header.Channels, 1);
            EXPECT_EQ(header.Rate, 22050);
            SDL_AudioSpec spec;
            Uint8 *buffer = nullptr;
            Uint32 bytes = 0;
            ASSERT_NE(SDL_LoadWAV(path.c_str(), &spec, &buffer, &bytes), nullptr) << SDL_GetError();
            ASSERT_EQ(spec.format, AUDIO_S16SYS);
            const int16_t *samples = reinterpret_cast<const int16_t *>(buffer);
            const double seconds = bytes / 2 / 22050.0;
            int peak = 0;
            for (Uint32 i = 0; i < bytes / 2; i++) peak = std::max(peak, std::abs((int)samples[i]));
            SDL_FreeWAV(buffer);
            EXPECT_GT(seconds, 0.3);
            EXPECT_LT(seconds, 4.0);
            EXPECT_GT(peak, 8000) << "too quiet to hear";
            if (name.rfind("ask", 0) != 0) continue;
            const std::string letter = name.substr(name.size() - 1);
            const std::string alone = name.rfind("ask2", 0) == 0 ? "laut2" + letter : "laut" + letter;
            EXPECT_GT(seconds, ReadWav(DataPath(language + "/" + alone + ".wav")).Samples.size() / 22050.0 + 0.2)
                << "the question is hardly longer than its letter";
            if (name.rfind("ask2", 0) == 0) questions.push_back(ReadWholeFile(path));
        }
        std::sort(questions.begin(), questions.end());
        EXPECT_EQ(std::adjacent_find(questions.begin(), questions.end()), questions.end()) << language;
    }
#else
    GTEST_SKIP() << "SDL2 not found: the game's recordings were not decoded";
#endif
}

static bool PngSize(const std::string &path, int &width, int &height)
{
    std::vector<uint8_t> bytes = ReadWholeFile(path);
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (bytes.size() < 24 || !std::equal(signature, signature + 8, bytes.begin()) ||
        std::string(bytes.begin() + 12, bytes.begin() + 16) != "IHDR")
        return false;
    width = bytes[16] << 24 | bytes[17] << 16 | bytes[18] << 8 | bytes[19];
    height = bytes[20] << 24 | bytes[21] << 16 | bytes[22] << 8 | bytes[23];
    return true;
}

TEST(Icons, DesktopIconsArePngsOfTheUsualSizes)
{
    for (int size : {16, 32, 48, 64, 128, 256}) {
        int width = 0, height = 0;
        ASSERT_TRUE(PngSize(DataPath("icons/quillora-" + std::to_string(size) + ".png"), width, height)) << size;
        EXPECT_EQ(width, size);
        EXPECT_EQ(height, size);
    }
}

TEST(Icons, WindowIconIsA64By64BmpWithTransparentCornersAndAnOpaqueMiddle)
{
    std::vector<uint8_t> bmp = ReadWholeFile(DataPath("mainicon.bmp"));
    ASSERT_GT(bmp.size(), 54u);
    ASSERT_EQ(bmp[0], 'B');
    ASSERT_EQ(bmp[1], 'M');
#ifdef QUILLORA_TEST_WITH_SDL
    SDL_Surface *icon = SDL_LoadBMP(DataPath("mainicon.bmp").c_str());
    ASSERT_NE(icon, nullptr) << SDL_GetError();
    EXPECT_EQ(icon->w, 64);
    EXPECT_EQ(icon->h, 64);
    ASSERT_NE(icon->format->Amask, 0u) << "SDL sees no alpha";
    SDL_LockSurface(icon);
    auto alpha = [&](int x, int y) {
        Uint32 pixel = *(Uint32 *)((Uint8 *)icon->pixels + y * icon->pitch + x * 4);
        Uint8 r, g, b, a;
        SDL_GetRGBA(pixel, icon->format, &r, &g, &b, &a);
        return a;
    };
    EXPECT_EQ(alpha(0, 0), 0);
    EXPECT_EQ(alpha(63, 63), 0);
    EXPECT_EQ(alpha(32, 32), 255);
    SDL_UnlockSurface(icon);
    SDL_FreeSurface(icon);
#else
    GTEST_SKIP() << "SDL2 not found: only the BMP signature was checked";
#endif
}
