// FuzzProgram.cpp -- the scratch directory, the throwing message box and the stand-in clock and presentation of
// the fuzz targets.
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include "FuzzProgram.h"
#include "platform/Clock.h"
#include "platform/Present.h"
#include "platform/WindowPicture.h"

void EnterScratchDirectory()
{
    char name[] = "/tmp/quillora-fuzz-XXXXXX";
    if (mkdtemp(name) == nullptr || chdir(name) != 0) FuzzFailure("cannot make a scratch directory in /tmp");
}

void WriteScratchFile(const char* name, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        FuzzFailure(std::string("cannot write the scratch file ") + name);
}

void RemoveScratchFile(const char* name)
{
    std::remove(name);
}

void TouchBytes(const uint8_t* bytes, size_t size)
{
    volatile uint8_t sum = 0;
    for (size_t i = 0; i < size; i++) sum = sum + bytes[i];
}

void FuzzFailure(const std::string& what)
{
    std::fprintf(stderr, "quillora-fuzz: %s\n", what.c_str());
    std::abort();
}

// Set-up would show the box and end the program; the target catches this instead.
void ShowMessageBox(const char* text, const char* caption)
{
    throw ProgramStopped{text, caption};
}

// Set-up presents nothing; the scenes' frames, linked in through the scene table, would.
void PresentFrame(WindowHandle)
{
}

bool PresentedFrameStays(WindowHandle)
{
    return true;
}

// No window to scale to: frames are drawn at the client size.
PictureArea PictureDrawingArea()
{
    return {0, 0, ClientAreaWidth, ClientAreaHeight};
}

// The clock stands still unless the program sleeps: then it moves on by the time slept, so a paced loop runs
// at once.
uint32_t FuzzTick = 10000;

uint32_t TickCount()
{
    return FuzzTick;
}

void SleepMilliseconds(uint32_t milliseconds)
{
    FuzzTick += milliseconds;
}
