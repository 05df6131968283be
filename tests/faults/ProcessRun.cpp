// ProcessRun.cpp -- processes for the fault tests, and scratch copies of the data directory.
#include "ProcessRun.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

static std::string ReadWhole(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

ProcessResult RunProcess(const std::string& directory, const std::string& environment, const std::string& command)
{
    static int runs = 0;
    const std::string base = "/tmp/quillora-fault-" + std::to_string(getpid()) + "-" + std::to_string(runs++);
    const std::string shell = "cd '" + directory + "' && env SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy " +
                              environment + " " + command + " >" + base + ".out 2>" + base + ".err";
    const int status = std::system(shell.c_str());
    ProcessResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWhole(base + ".out"),
                         ReadWhole(base + ".err")};
    std::remove((base + ".out").c_str());
    std::remove((base + ".err").c_str());
    return result;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

const char* BreakageName(Breakage breakage)
{
    switch (breakage) {
    case Breakage::Missing: return "missing";
    case Breakage::Truncated: return "truncated";
    case Breakage::Garbage: return "garbage";
    }
    return "?";
}

std::string MakeDataCopy()
{
    char name[] = "/tmp/quillora-data-XXXXXX";
    if (mkdtemp(name) == nullptr) return "";
    for (const fs::directory_entry& entry : fs::directory_iterator(QUILLORA_DATA_DIR))
        if (entry.is_regular_file()) fs::create_symlink(entry.path(), fs::path(name) / entry.path().filename());
    return name;
}

void RemoveDataCopy(const std::string& directory)
{
    std::error_code ignored;
    fs::remove_all(directory, ignored);
}

void BreakDataFile(const std::string& directory, const std::string& name, Breakage breakage, long cutBytes)
{
    const fs::path original = fs::path(QUILLORA_DATA_DIR) / name;
    const fs::path broken = fs::path(directory) / name;
    const std::string bytes = ReadWhole(original.string());
    fs::remove(broken);
    if (breakage == Breakage::Missing) return;
    std::string contents = bytes.substr(0, static_cast<size_t>(std::max(0L, cutBytes)));
    if (breakage == Breakage::Garbage) {
        contents.assign(bytes.size(), '\0');
        uint32_t seed = 2024;
        for (char& byte : contents) {
            seed = seed * 1103515245u + 12345u;
            byte = static_cast<char>(seed >> 16);
        }
    }
    std::ofstream(broken, std::ios::binary) << contents;
}

std::vector<std::string> DataFilesEndingIn(const std::string& suffix)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(QUILLORA_DATA_DIR)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.size() > suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

long DataFileSize(const std::string& name)
{
    return static_cast<long>(fs::file_size(fs::path(QUILLORA_DATA_DIR) / name));
}
