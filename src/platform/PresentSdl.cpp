// PresentSdl.cpp -- the program's presentation: a finished frame goes to the screen by swapping the window's
// buffers, and stays there until the window system says it lost it.
#include "platform/Present.h"
#include "platform/WindowPicture.h"
#include "platform/WindowSdl.h"

void ShowFinishedFrame(WindowHandle window)
{
    if (SDL_Window* sdl = SdlWindowOf(window)) SDL_GL_SwapWindow(sdl);
}

bool PresentedFrameStays(WindowHandle)
{
    // The window system keeps the window's picture, and sends an expose event when it cannot; but while a new
    // size settles, a frame may have been drawn for a surface that is no longer there.
    return !WindowPictureSettling();
}
