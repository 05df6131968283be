// Main.cpp -- the program's entry: start, run the loop, close the car sound, end.
#include <cstdio>
#include "app/App.h"
#include "platform/Sound.h"

int main()
{
    if (!StartProgram()) {
        std::fprintf(stderr, "quillora: %s\n", PlatformErrorText());
        return 1;
    }
    RunMessageLoop();
    SendSoundCommand("close auto");
    return 0;
}
