// FaultPresent.cpp -- the fault harness's presentation: it prints each frame, and plays the person at the
// screen by putting real window-system events in the queue, as the window system itself would.
//   QUILLORA_FAULT_LETTER=F      click letter F's cell after the first frame
//   QUILLORA_FAULT_CLOSE_AT=N    press the close box while frame N is shown
//   QUILLORA_FAULT_CLOSE_AT=menu press it on the first menu frame after the letter's scene has handed back
// Each frame prints "frame N tick T scene S passes P" (the state as the frame is shown). A run that draws
// 20000 frames without being closed ends with exit code 3.
#include <GL/gl.h>
#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "FaultHarness.h"
#include "world/World.h"
#include "platform/Present.h"
#include "platform/WindowSdl.h"

constexpr long FrameLimit = 20000;
static const int ColumnX[] = {80, 178, 275, 373, 480, 590};
static const int RowY[] = {58, 170, 275, 379, 480};

static long Frame;
static bool SceneSeen;

static std::string Setting(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

static void PushClick(char letter)
{
    const int cell = letter - 'A';
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = SDL_PRESSED;
    event.button.x = ColumnX[cell % 6];
    event.button.y = RowY[cell / 6];
    SDL_PushEvent(&event);
}

static void PushClose(WindowHandle window)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    if (SDL_Window* sdl = SdlWindowOf(window)) event.window.windowID = SDL_GetWindowID(sdl);
    SDL_PushEvent(&event);
}

void ShowFinishedFrame(WindowHandle window)
{
    Frame++;
    std::printf("frame %ld tick %u scene %d passes %d\n", Frame, HarnessTick, CurrentScene, SceneEndCount);
    std::fflush(stdout);
    if (Frame >= FrameLimit) {
        std::printf("no close after %ld frames\n", FrameLimit);
        std::exit(3);
    }
    if (CurrentScene != MenuScene) SceneSeen = true;

    const std::string letter = Setting("QUILLORA_FAULT_LETTER");
    if (Frame == 1 && letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'Z') PushClick(letter[0]);
    const std::string closeAt = Setting("QUILLORA_FAULT_CLOSE_AT");
    if (closeAt == "menu" ? SceneSeen && CurrentScene == MenuScene : std::atol(closeAt.c_str()) == Frame)
        PushClose(window);
    glFinish();  // as a window's swap would; frames come without a pause here and must not pile up undrawn
    if (SDL_Window* sdl = SdlWindowOf(window)) SDL_GL_SwapWindow(sdl);
}

bool PresentedFrameStays(WindowHandle)
{
    return false;  // every frame is shown, counted and printed
}
