// PresentWeb.cpp -- the page's presentation: WebGL shows the canvas's picture once the program gives the browser
// its turn, so a finished frame is shown by yielding. A busy scene whose frames take longer than their 90 ms on a
// slow machine would otherwise never let the page draw or take a touch.
#include <emscripten.h>
#include "platform/Present.h"
#include "platform/WindowPicture.h"

void ShowFinishedFrame(WindowHandle)
{
    emscripten_sleep(0);
}

bool PresentedFrameStays(WindowHandle)
{
    // The page keeps the canvas's picture; a canvas given a new size is cleared, and that size arrives as a
    // size message that draws the picture again.
    return !WindowPictureSettling();
}
