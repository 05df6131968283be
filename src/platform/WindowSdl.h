// WindowSdl.h -- inside the platform layer (and the replay that stands in for a part of it) only: the SDL
// window behind a window handle.
#pragma once
#include <SDL.h>
#include "platform/Window.h"

SDL_Window* SdlWindowOf(DeviceHandle device);
// The one window (made or not), whether it is alive, and whether the quit request is posted: what a source
// of the window's messages needs to know.
WindowHandle TheMainWindow();
bool MainWindowAlive();
bool QuitRequested();
