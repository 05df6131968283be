// TraceRun.cpp -- runs quillora-trace and reads its JSON lines and its shots.
#include "TraceRun.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

// The one reader of PNG files for every test that links this; kept static so none clashes with it.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

static std::string ReadFile(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The text of "key":"value" in a line (with \" and \\ undone), or "" when absent.
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

TraceRun RunTrace(const std::string& options)
{
    static int runNumber = 0;
    const std::string base = "/tmp/quillora-test-" + std::to_string(getpid()) + "-" + std::to_string(runNumber++);
    const std::string command = std::string("\"") + QUILLORA_TRACE_PATH + "\" --data \"" + QUILLORA_DATA_DIR + "\" " +
                                options + " >" + base + ".out 2>" + base + ".err";
    TraceRun run;
    const int status = std::system(command.c_str());
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Output = ReadFile(base + ".out");
    run.Errors = ReadFile(base + ".err");
    std::remove((base + ".out").c_str());
    std::remove((base + ".err").c_str());

    std::istringstream lines(run.Output);
    for (std::string line; std::getline(lines, line);) {
        const long frame = static_cast<long>(NumberField(line, "frame"));
        if (line.find("\"sound\":") != std::string::npos) {
            run.Sounds.push_back({frame, StringField(line, "sound"), StringField(line, "reply")});
        } else if (line.find("\"tick\":") != std::string::npos) {
            run.Frames.push_back({frame, static_cast<uint32_t>(NumberField(line, "tick")),
                                  static_cast<int>(NumberField(line, "scene")),
                                  static_cast<int>(NumberField(line, "passes")), NumberField(line, "x"),
                                  NumberField(line, "z"), NumberField(line, "heading")});
            TraceFrameLine& added = run.Frames.back();
            added.Game = StringField(line, "game");
            added.Step = static_cast<int>(NumberField(line, "step"));
            const std::string asked = StringField(line, "asked");
            added.Asked = asked.empty() ? 0 : asked[0];
            added.Prompt = static_cast<int>(NumberField(line, "prompt"));
            added.Wrong = static_cast<int>(NumberField(line, "wrong"));
            added.Repeats = static_cast<int>(NumberField(line, "repeats"));
            added.Pitch = NumberField(line, "pitch");
            added.Yaw = NumberField(line, "yaw");
        }
    }
    return run;
}

std::string LetterPosition(char letter)
{
    static const std::array<int, 6> Columns = {80, 178, 275, 373, 480, 590};
    static const std::array<int, 5> Rows = {58, 170, 275, 379, 480};
    const int cell = letter - 'A';
    return std::to_string(Columns[cell % 6]) + "," + std::to_string(Rows[cell / 6]);
}

std::string ClickOn(char letter, long frame)
{
    return " --click " + LetterPosition(letter) + "@" + std::to_string(frame);
}

std::string ShotOf(long frame, const std::string& path)
{
    return " --shot " + std::to_string(frame) + ":" + path;
}

TraceRun RunLetter(char letter, long frames, const std::string& moreOptions)
{
    return RunTrace("--frames " + std::to_string(frames) + ClickOn(letter, 2) + " " + moreOptions);
}

std::vector<long> VisitFrames(long click, const std::vector<long>& sceneFrames)
{
    std::vector<long> frames;
    for (const long n : sceneFrames) frames.push_back(VisitFrame(click, n));
    return frames;
}

TraceFrameLine FrameAt(const TraceRun& run, long frame)
{
    if (frame < 1 || frame > static_cast<long>(run.Frames.size())) {
        ADD_FAILURE() << "the trace has no frame " << frame;
        return {};
    }
    return run.Frames[frame - 1];
}

std::vector<long> SoundFrames(const TraceRun& run, const std::string& command)
{
    std::vector<long> frames;
    for (const TraceSoundLine& sound : run.Sounds)
        if (sound.Command == command) frames.push_back(sound.Frame);
    return frames;
}

std::vector<long> SoundFramesBetween(const TraceRun& run, const std::string& command, long first, long last)
{
    std::vector<long> frames;
    for (const long frame : SoundFrames(run, command))
        if (frame >= first && frame <= last) frames.push_back(frame);
    return frames;
}

std::vector<std::string> SoundsInFrame(const TraceRun& run, long frame)
{
    std::vector<std::string> commands;
    for (const TraceSoundLine& sound : run.Sounds)
        if (sound.Frame == frame) commands.push_back(sound.Command);
    return commands;
}

long FrameWhenPassesReach(const TraceRun& run, int passes, long from)
{
    int previousScene = 25;
    int previousPasses = 0;
    for (const TraceFrameLine& line : run.Frames) {
        if (line.Frame >= from) {
            if (line.Scene != 25 && line.Passes >= passes) return line.Frame;
            // The frame that counts the last pass already shows the menu, whose set-up set the count to 0.
            if (line.Scene == 25 && previousScene != 25 && previousPasses + 1 == passes) return line.Frame;
        }
        previousScene = line.Scene;
        previousPasses = line.Scene == 25 ? 0 : line.Passes;
    }
    return -1;
}

long FirstMenuFrameFrom(const TraceRun& run, long from)
{
    for (const TraceFrameLine& line : run.Frames)
        if (line.Frame >= from && line.Scene == 25) return line.Frame;
    return -1;
}

std::vector<long> HandBacks(const TraceRun& run)
{
    std::vector<long> frames;
    for (size_t i = 1; i < run.Frames.size(); i++)
        if (run.Frames[i].Scene == 25 && run.Frames[i - 1].Scene != 25) frames.push_back(run.Frames[i].Frame);
    return frames;
}

long FrameHandingBack(const TraceRun& run)
{
    const std::vector<long> frames = HandBacks(run);
    return frames.empty() ? -1 : frames.front();
}

std::string ShotPath(const std::string& name)
{
    return "/tmp/quillora-shot-" + std::to_string(getpid()) + "-" + name + ".png";
}

Shot LoadShot(const std::string& path)
{
    Shot shot;
    int channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &shot.Width, &shot.Height, &channels, 3);
    if (pixels == nullptr) {
        ADD_FAILURE() << "no shot at " << path;
        return shot;
    }
    shot.Pixels.assign(pixels, pixels + 3 * shot.Width * shot.Height);
    stbi_image_free(pixels);
    std::remove(path.c_str());
    return shot;
}

long DifferingPixels(const Shot& a, const Shot& b)
{
    if (a.Width != b.Width || a.Height != b.Height || a.Pixels.size() != b.Pixels.size()) return -1;
    long differing = 0;
    for (size_t i = 0; i + 2 < a.Pixels.size(); i += 3)
        if (a.Pixels[i] != b.Pixels[i] || a.Pixels[i + 1] != b.Pixels[i + 1] || a.Pixels[i + 2] != b.Pixels[i + 2])
            differing++;
    return differing;
}

Area FindPixels(const Shot& shot, Box box, bool (*test)(int red, int green, int blue))
{
    Area area{0, 0};
    for (int y = box.Top; y < std::min(box.Bottom, shot.Height); y++) {
        for (int x = box.Left; x < std::min(box.Right, shot.Width); x++) {
            const unsigned char* p = shot.Pixels.data() + 3 * (y * shot.Width + x);
            if (test(p[0], p[1], p[2])) {
                area.Pixels++;
                area.MeanX += x;
            }
        }
    }
    area.MeanX = area.Pixels > 0 ? area.MeanX / area.Pixels : -1;
    return area;
}

bool Red(int red, int green, int blue)
{
    return red > 120 && green < 70 && blue < 70;
}
