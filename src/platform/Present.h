// Present.h -- how a finished frame reaches its viewer: the seam a presentation driver fills, chosen per program
// at link time (the screen in the program, shots in a replay, a count in the unit tests). PresentFrame
// (Window.h) finishes the scaled picture first, so a driver sees the whole window's frame as it is to be shown.
#pragma once
#include "platform/Window.h"

// Shows the finished frame (the program swaps the window's buffers).
void ShowFinishedFrame(WindowHandle window);
// Whether a shown frame stays on show until a paint message says the window lost it, so that a frame that
// would look the same need not be drawn again. A replay answers no: it draws, and may photograph, every frame.
bool PresentedFrameStays(WindowHandle window);
