// WindowSdl.h -- inside the platform layer and the drivers that stand in for a part of it only: the SDL window
// behind a window handle, and the knobs that a driver's start sets before the window is made.
#pragma once
#include <SDL.h>
#include "platform/Window.h"

SDL_Window* SdlWindowOf(WindowHandle window);
// The one window (made or not), whether it is alive, and whether the quit request is posted: what a source
// of the window's messages needs to know.
WindowHandle TheMainWindow();
bool MainWindowAlive();
bool QuitRequested();
// How the window starts, set before it is made: full screen, or a window (the default); a kiosk is full screen
// for good, which SetFullScreen never leaves. A window's size in pixels; 0 x 0 (the default) is the client size,
// scaled for a HiDPI screen (StartWindowScale).
void SetStartFullScreen(bool fullScreen, bool kiosk);
void SetStartWindowSize(int width, int height);
