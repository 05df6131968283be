// WindowPicture.cpp -- the one record of where the client area's picture sits in the window, measured when the
// window is made and whenever its size changes, and the ways in and out of it.
#include <SDL.h>
#include "platform/Window.h"
#include "platform/WindowPicture.h"

// Software OpenGL on two cores (llvmpipe) draws the rod field's frames (the busiest) in about 7 ms a million
// pixels plus 8 ms, and stretches a drawn frame over the picture in about 4 ms a million pixels. Up to about 4.5
// million pixels (a 2880 x 1800 screen's picture) drawing it all is as cheap as drawing less and stretching;
// above, the frame is drawn with a 1920 x 1080 screen's picture's pixels (1532 x 1080), as fast as there, and
// stretched: on a 3840 x 2160 screen that keeps those scenes at about 60 ms at the 99th percentile, against
// about 75 ms drawn whole, within the 90 ms between frames.
constexpr DrawingLimit FrameDrawingLimit = {4500000, 1654560};

// Before any window is measured (unit tests, tools that draw without one) frames are drawn at the client size.
static PictureGeometry Picture = {
    ClientAreaWidth, ClientAreaHeight, ClientAreaWidth, ClientAreaHeight, ClientAreaWidth, ClientAreaHeight,
    {0, 0, ClientAreaWidth, ClientAreaHeight}, {0, 0, ClientAreaWidth, ClientAreaHeight}};
static uint32_t ResizedTick;  // when the size last changed, in SDL's real milliseconds; 0: never

const PictureGeometry& WindowPicture()
{
    return Picture;
}

PictureArea PictureDrawingArea()
{
    return Picture.Drawn;
}

void MeasureWindowPicture(int windowWidth, int windowHeight, int surfaceWidth, int surfaceHeight, bool resized)
{
    Picture = FitPicture(windowWidth, windowHeight, surfaceWidth, surfaceHeight, ClientAreaWidth, ClientAreaHeight,
                         FrameDrawingLimit);
    ResizedTick = resized ? SDL_GetTicks() | 1 : 0;  // never 0, which means never resized
}

bool WindowPictureSettling()
{
    // SDL reports a full-screen size as soon as it asks for it; the window manager may apply it later, and a
    // frame drawn meanwhile goes to the surface of the old size.
    constexpr uint32_t SettlingMilliseconds = 1000;
    return ResizedTick != 0 && SDL_GetTicks() - ResizedTick < SettlingMilliseconds;
}

bool PointerClientPosition(int x, int y, uint32_t* position)
{
    int clientX = 0;
    int clientY = 0;
    if (!ClientPointAt(Picture, x, y, &clientX, &clientY)) return false;
    *position = static_cast<uint32_t>(clientX) | static_cast<uint32_t>(clientY) << 16;
    return true;
}

bool FingerClientPosition(float x, float y, uint32_t* position)
{
    const int width = Picture.WindowWidth;
    const int height = Picture.WindowHeight;
    if (width <= 0 || height <= 0) return false;
    return PointerClientPosition(SDL_clamp(static_cast<int>(x * static_cast<float>(width)), 0, width - 1),
                                 SDL_clamp(static_cast<int>(y * static_cast<float>(height)), 0, height - 1), position);
}
