// Main.cpp -- the program's entry: start, run the loop, close the car sound, end.
// It ends with 0 when the window was closed, 1 when no window or no OpenGL could be had (2 for an unknown option,
// which the platform's start turns away).
#include <cstdio>
#include "app/App.h"
#include "platform/Events.h"
#include "platform/Sound.h"

int main(int argc, char** argv)
{
    StartPlatform(argc, argv);
    if (!StartProgram()) {
        std::fprintf(stderr, "quillora: %s\n", PlatformErrorText());
        return 1;
    }
    RunMessageLoop();
    SendSoundCommand("close auto");
    if (QuitExitCode() != 0) std::fprintf(stderr, "quillora: OpenGL could not be set up: %s\n", PlatformErrorText());
    return QuitExitCode();
}
