// E2eLogs.cpp -- reads what a run left behind: the recorder's log and pictures, the script's log, the trace.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>
#include "E2eCheck.h"

bool ReadRecorderLog(const std::string& path, RecorderLog* log)
{
    std::ifstream file(path);
    if (!file) return false;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "window") {
            std::string id;
            std::string size;
            double time = 0;
            words >> id >> time >> size;
            std::sscanf(size.c_str(), "%dx%d", &log->Width, &log->Height);
        } else if (kind == "frame") {
            RealFrame frame{};
            words >> frame.Number >> frame.Time >> frame.Picture;
            log->Frames.push_back(frame);
        } else if (kind == "audio") {
            AudioGrowth growth{};
            words >> growth.Time >> growth.Bytes;
            log->Audio.push_back(growth);
        }
    }
    return true;
}

std::vector<ScriptAction> ReadScriptActions(const std::string& path)
{
    std::vector<ScriptAction> actions;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        ScriptAction action{};
        if (!(words >> action.Kind >> action.Time)) continue;
        for (std::string word; words >> word;) action.Words.push_back(word);
        actions.push_back(action);
    }
    return actions;
}

static std::string StringField(const std::string& line, const std::string& key)
{
    const std::string start = "\"" + key + "\":\"";
    size_t at = line.find(start);
    if (at == std::string::npos) return "";
    std::string value;
    for (at += start.size(); at < line.size() && line[at] != '"'; at++) {
        if (line[at] == '\\' && at + 1 < line.size()) at++;
        value += line[at];
    }
    return value;
}

static double NumberField(const std::string& line, const std::string& key)
{
    const std::string start = "\"" + key + "\":";
    const size_t at = line.find(start);
    return at == std::string::npos ? 0 : std::strtod(line.c_str() + at + start.size(), nullptr);
}

bool RunTrace(const std::string& command, TraceOutput* output)
{
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return false;
    std::string line;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        const long frame = static_cast<long>(NumberField(line, "frame"));
        if (line.find("\"sound\":") != std::string::npos) {
            output->Sounds.push_back({frame, StringField(line, "sound")});
        } else if (line.find("\"tick\":") != std::string::npos) {
            output->States.push_back({frame, static_cast<int>(NumberField(line, "scene")),
                                      static_cast<int>(NumberField(line, "passes")), NumberField(line, "x"),
                                      NumberField(line, "z"), NumberField(line, "heading")});
        }
        line.clear();
    }
    return pclose(pipe) == 0;
}

std::vector<TracePlay> PlaysOf(const TraceOutput& trace)
{
    std::vector<TracePlay> plays;
    std::map<std::string, std::string> openFile;
    for (const TraceSound& sound : trace.Sounds) {
        char file[64];
        char alias[32];
        if (std::sscanf(sound.Command.c_str(), "open %63s alias %31s", file, alias) == 2) {
            if (openFile.count(alias) == 0) openFile[alias] = file;
        } else if (std::sscanf(sound.Command.c_str(), "close %31s", alias) == 1) {
            openFile.erase(alias);
        } else if (std::sscanf(sound.Command.c_str(), "play %31s", alias) == 1 && openFile.count(alias) != 0) {
            plays.push_back({sound.Frame, alias, openFile[alias]});
        }
    }
    return plays;
}

bool ReadRecordedPicture(const std::string& path, int width, int height, long index, Rgb* picture)
{
    if (index < 0) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    const long size = static_cast<long>(width) * height * 3;
    picture->Width = width;
    picture->Height = height;
    picture->Pixels.assign(static_cast<size_t>(size), 0);
    const bool read = fseeko(file, static_cast<off_t>(size) * index, SEEK_SET) == 0 &&
                      std::fread(picture->Pixels.data(), 1, picture->Pixels.size(), file) == picture->Pixels.size();
    std::fclose(file);
    return read;
}

bool ReadPng(const std::string& path, Rgb* picture)
{
    int channels = 0;
    unsigned char* data = stbi_load(path.c_str(), &picture->Width, &picture->Height, &channels, 3);
    if (data == nullptr) return false;
    picture->Pixels.assign(data, data + static_cast<size_t>(picture->Width) * picture->Height * 3);
    stbi_image_free(data);
    return true;
}

long DifferingPixels(const Rgb& a, const Rgb& b, int tolerance)
{
    if (a.Width != b.Width || a.Height != b.Height || a.Pixels.size() != b.Pixels.size())
        return static_cast<long>(a.Width) * a.Height;
    long differing = 0;
    for (size_t i = 0; i + 2 < a.Pixels.size(); i += 3) {
        bool differs = false;
        for (size_t c = 0; c < 3; c++) differs = differs || std::abs(a.Pixels[i + c] - b.Pixels[i + c]) > tolerance;
        if (differs) differing++;
    }
    return differing;
}
