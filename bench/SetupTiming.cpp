// SetupTiming.cpp -- times the program's start-up to its first frame, and SceneSetup for the menu and
// for letter scenes, in the program's own process with a real (offscreen) OpenGL context; and how long a
// letter's name takes to start with the sound device open and after it rested.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>
#include "app/App.h"
#include "framework/SceneSetup.h"
#include "platform/Sound.h"
#include "world/World.h"

using Clock = std::chrono::steady_clock;

static double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

static void Report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times) sum += t;
    std::printf("%-28s mean %7.2f ms   median %7.2f ms   max %7.2f ms   (%zu runs)\n", what, sum / times.size(),
                times[times.size() / 2], times.back(), times.size());
}

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const Clock::time_point started = Clock::now();
    if (!StartProgram()) {
        std::fprintf(stderr, "bench-setup: %s\n", PlatformErrorText());
        return 1;
    }
    RenderFrame();
    std::printf("%-28s %7.2f ms\n", "start-up to first frame", MillisecondsSince(started));

    std::vector<double> menu;
    std::vector<double> scene;
    for (int run = 0; run < runs; run++) {
        CurrentScene = run % LetterSceneCount;
        Clock::time_point start = Clock::now();
        SceneSetup();
        scene.push_back(MillisecondsSince(start));
        CurrentScene = MenuScene;
        start = Clock::now();
        SceneSetup();
        menu.push_back(MillisecondsSince(start));
    }
    Report("SceneSetup, menu", menu);
    Report("SceneSetup, letter scene", scene);

    // A letter's name as the menu says it (the commands return once it plays), with the sound device open and
    // after the idle menu let it rest: the difference is what resting adds to a first sound.
    CloseAllSoundAliases();
    std::vector<double> open;
    std::vector<double> rested;
    const auto sayName = [](int run, std::vector<double>* times) {
        char command[40];
        std::snprintf(command, sizeof command, "open laut2%c.wav alias soundx", 'a' + run % 26);
        const Clock::time_point start = Clock::now();
        SendSoundCommand(command);
        SendSoundCommand("play soundx");
        times->push_back(MillisecondsSince(start));
        SendSoundCommand("close soundx");
    };
    for (int run = 0; run < runs; run++) {
        RestSoundOutput();
        sayName(run, &rested);
        sayName(run, &open);
    }
    Report("a name, sound device open", open);
    Report("a name, sound device rested", rested);
    return 0;
}
