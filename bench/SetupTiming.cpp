// SetupTiming.cpp -- times the program's start-up to its first frame, and SceneSetup for the menu and
// for letter scenes, in the program's own process with a real (offscreen) OpenGL context.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>
#include "app/App.h"
#include "framework/SceneSetup.h"
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
    return 0;
}
