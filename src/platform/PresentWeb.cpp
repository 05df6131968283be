// PresentWeb.cpp -- the page's presentation: WebGL shows the canvas's picture once the program gives the browser
// its turn, which the program's loop does between every two frames (PACING yield), so a finished frame needs
// nothing more here. The frame is not shown from inside the scene's drawing: a wait there would make every
// scene's code resumable (ASYNCIFY), which costs the busiest scenes much of their speed.
#include "platform/Present.h"
#include "platform/WindowPicture.h"

void ShowFinishedFrame(WindowHandle)
{
}

bool PresentedFrameStays(WindowHandle)
{
    // The page keeps the canvas's picture; a canvas given a new size is cleared, and that size arrives as a
    // size message that draws the picture again.
    return !WindowPictureSettling();
}
