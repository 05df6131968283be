// WindowSdl.h -- inside the platform layer only: the SDL window behind a window handle.
#pragma once
#include <SDL.h>
#include "platform/Window.h"

SDL_Window* SdlWindowOf(DeviceHandle device);
