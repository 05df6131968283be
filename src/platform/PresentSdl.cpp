// PresentSdl.cpp -- showing a finished frame: swap the window's buffers.
#include "platform/WindowSdl.h"

void PresentFrame(DeviceHandle device)
{
    if (SDL_Window* window = SdlWindowOf(device)) SDL_GL_SwapWindow(window);
}

bool PresentedFrameStays(DeviceHandle)
{
    return true;  // the window system keeps the window's picture, and sends an expose event when it cannot
}
