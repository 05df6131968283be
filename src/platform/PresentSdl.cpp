// PresentSdl.cpp -- showing a finished frame: swap the window's buffers.
#include "platform/WindowSdl.h"

void PresentFrame(DeviceHandle device)
{
    if (SDL_Window* window = SdlWindowOf(device)) SDL_GL_SwapWindow(window);
}
