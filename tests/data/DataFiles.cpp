// DataFiles.cpp -- small readers the data tests share.
#include "DataFiles.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include <gif_lib.h>

std::string DataPath(const std::string &name) { return std::string(QUILLORA_DATA_DIR) + "/" + name; }

std::vector<uint8_t> ReadWholeFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

static uint32_t Le(const uint8_t *p, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = v << 8 | p[i];
    return v;
}

WavInfo ReadWav(const std::string &path)
{
    WavInfo wav;
    std::vector<uint8_t> bytes = ReadWholeFile(path);
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(&bytes[8], "WAVE", 4) != 0)
        return wav;
    bool haveFormat = false, haveData = false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        uint32_t size = Le(&bytes[at + 4], 4);
        if (at + 8 + size > bytes.size())
            return wav;
        const uint8_t *body = &bytes[at + 8];
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && size >= 16) {
            wav.Format = (int)Le(body, 2);
            wav.Channels = (int)Le(body + 2, 2);
            wav.Rate = (int)Le(body + 4, 4);
            wav.Bits = (int)Le(body + 14, 2);
            haveFormat = true;
        } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
            wav.Samples.resize(size / 2);
            for (size_t i = 0; i < wav.Samples.size(); i++)
                wav.Samples[i] = (int16_t)Le(body + 2 * i, 2);
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    wav.Valid = haveFormat && haveData;
    return wav;
}

PalettePicture ReadGif(const std::string &path)
{
    PalettePicture picture;
    int error = 0;
    GifFileType *gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif)
        return picture;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount >= 1) {
        const SavedImage &image = gif->SavedImages[0];
        const ColorMapObject *map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        picture.Width = gif->SWidth;
        picture.Height = gif->SHeight;
        picture.ImageCount = gif->ImageCount;
        if (map && image.ImageDesc.Left == 0 && image.ImageDesc.Top == 0 && image.ImageDesc.Width == gif->SWidth &&
            image.ImageDesc.Height == gif->SHeight) {
            picture.ColourCount = map->ColorCount;
            picture.BitsPerPixel = map->BitsPerPixel;
            size_t count = (size_t)picture.Width * picture.Height;
            picture.Indices.assign(image.RasterBits, image.RasterBits + count);
            for (uint8_t index : picture.Indices) {
                const GifColorType &c = map->Colors[index < map->ColorCount ? index : 0];
                picture.Rgb.insert(picture.Rgb.end(), {c.Red, c.Green, c.Blue});
            }
            picture.Valid = true;
        }
    }
    DGifCloseFile(gif, &error);
    return picture;
}

std::vector<std::string> RequiredRecordings()
{
    std::vector<std::string> names;
    for (char c = 'a'; c <= 'z'; c++) {
        names.push_back(std::string("laut2") + c);
        names.push_back(std::string("laut") + c);
    }
    for (const char *name : {"lauth2", "lautz2", "klicke", "auto", "flug", "kopf", "frosch", "kopfsch", "stuetze",
                             "angst", "schnell"})
        names.push_back(name);
    return names;
}

bool IsSpoken(const std::string &name)
{
    return name.rfind("laut", 0) == 0 ? name != "lauth2" : name == "kopf" || name == "stuetze" || name == "schnell";
}

static std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

std::vector<std::string> Languages() { return Split(QUILLORA_LANGUAGES, ','); }

std::vector<std::string> LanguagesOfTheRecipeTable()
{
    std::ifstream table(QUILLORA_RECIPE_TABLE);
    for (std::string line; std::getline(table, line);)
        if (line.rfind("#file\t", 0) == 0) {
            std::vector<std::string> columns = Split(line, '\t');
            // file, kind, the languages, holds
            return std::vector<std::string>(columns.begin() + 2, columns.end() - 1);
        }
    return {};
}

static std::string Trim(const std::string &text)
{
    size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

std::map<std::string, std::map<char, std::string>> SharedSoundsOfTheLanguagePage()
{
    std::map<std::string, std::map<char, std::string>> shared;
    std::ifstream page(QUILLORA_LANGUAGE_PAGE);
    std::string language;
    int column = -1;
    for (std::string line; std::getline(page, line);) {
        size_t code = line.find("(`");
        if (line.rfind("## ", 0) == 0) {
            language = code == std::string::npos ? "" : line.substr(code + 2, line.find('`', code + 2) - code - 2);
            column = -1;
            continue;
        }
        if (language.empty() || line.rfind("|", 0) != 0)
            continue;
        std::vector<std::string> cells;
        std::istringstream row(line.substr(1));
        for (std::string cell; std::getline(row, cell, '|');)
            cells.push_back(Trim(cell));
        for (size_t i = 0; i < cells.size(); i++)
            if (cells[i].rfind("same sound as", 0) == 0)
                column = (int)i;
        // A letter's row: its first cell is the capital letter alone.
        if (column < 0 || (int)cells.size() <= column || cells[0].size() != 1 || !std::isupper((unsigned char)cells[0][0]))
            continue;
        std::string letters;
        const std::string &cell = cells[column];
        for (size_t i = 0; i < cell.size(); i++)
            if (cell[i] >= 'A' && cell[i] <= 'Z' && (i == 0 || !std::isalpha((unsigned char)cell[i - 1])) &&
                (i + 1 == cell.size() || !std::isalpha((unsigned char)cell[i + 1])))
                letters += cell[i];
        std::sort(letters.begin(), letters.end());
        shared[language][cells[0][0]] = letters;
    }
    return shared;
}
