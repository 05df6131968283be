// PresentSdl.cpp -- showing a finished frame: scale it to the window, swap the window's buffers.
#include "platform/WindowSdl.h"

void PresentFrame(DeviceHandle device)
{
    SDL_Window* window = SdlWindowOf(device);
    if (window == nullptr) return;
    FinishScaledPicture(device);
    SDL_GL_SwapWindow(window);
}

bool PresentedFrameStays(DeviceHandle device)
{
    // The window system keeps the window's picture, and sends an expose event when it cannot; but while a new
    // size settles, a frame may have been drawn for a surface that is no longer there.
    return !WindowSizeSettling(device);
}
