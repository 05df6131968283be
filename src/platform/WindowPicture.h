// WindowPicture.h -- the client area's picture in the real window, and nothing else keeps a copy of it: where it
// is shown (the largest rectangle of the client area's shape, centred, black bars beside it), where frames are
// drawn (the same, or a smaller picture stretched over it on a very large screen), how pointer and finger
// positions find their way back to client positions, the pause while a new size settles, and the window's start
// scale. Render reads where to draw; the platform's window, events and presentation use the rest.
#pragma once
#include <cstdint>

// A rectangle of the window's drawing surface in pixels, from its lower left corner, as OpenGL counts.
struct PictureArea {
    int X, Y, Width, Height;
};

struct PictureGeometry {
    int WindowWidth, WindowHeight;    // the window in the window system's units, which pointer positions use
    int SurfaceWidth, SurfaceHeight;  // its drawing surface in pixels (more than the window on a HiDPI screen)
    int ClientWidth, ClientHeight;    // the client area the program sees, whatever the window's size
    PictureArea Shown;  // the largest rectangle of the client area's shape on the surface, centred; the rest is bars
    PictureArea Drawn;  // where frames are drawn: Shown itself, or, when Shown holds more pixels than a frame may
                        // be drawn with, a smaller picture in the lower left corner that is stretched over Shown
};

// How many pixels frames are drawn with: a picture of up to MostDrawnAsShown pixels as it is shown; a larger one
// with StretchedFrom pixels, then stretched. Stretching costs time too, so it pays only for a much larger picture.
struct DrawingLimit {
    long MostDrawnAsShown;
    long StretchedFrom;
};

// The picture of a clientWidth x clientHeight client area in a window of that size and surface.
PictureGeometry FitPicture(int windowWidth, int windowHeight, int surfaceWidth, int surfaceHeight, int clientWidth,
                           int clientHeight, const DrawingLimit& limit);
// True when the surface shows the client area pixel for pixel, with nothing else on it.
bool ShownAtOwnSize(const PictureGeometry& geometry);
// The client position under the pointer at (x, y) in window units, top row 0; false when that is on a bar or off
// the window, where the client area is not.
bool ClientPointAt(const PictureGeometry& geometry, int x, int y, int* clientX, int* clientY);

struct ScreenFacts {
    int Width, Height;              // the whole screen, in pixels
    int UsableWidth, UsableHeight;  // less the panels
    float DotsPerInch;              // as the window system reports it; 0 when it does not
};
// How many times the client size a window starts at, so that it keeps its size on a HiDPI screen: a whole
// number, the larger of the times a 1920 x 1080 screen fits into the screen (2 on a 3840 x 2160 one) and the
// pixel density in multiples of 96 dots per inch (192 gives 2), rounded to the nearest; at least 1, and no
// more than the usable screen holds.
int StartWindowScale(const ScreenFacts& screen, int clientWidth, int clientHeight);

// The window's picture now. Until the window is measured, the client area at its own size.
const PictureGeometry& WindowPicture();
// Where frames of the client area are drawn on the window's surface now: (0, 0) and the client size at the
// window's own size. It changes only when the window is measured again, as a size message goes out.
PictureArea PictureDrawingArea();
// Measures the window's picture for a window of that size in its units and a surface of that size in pixels.
// A new size (resized) starts a moment of settling; the first measure of a new window does not.
void MeasureWindowPicture(int windowWidth, int windowHeight, int surfaceWidth, int surfaceHeight, bool resized);
// True for a moment after the window's size changed, while the surface may still be changing size under it.
bool WindowPictureSettling();
// The client position under (x, y) in window units, x in the low 16 bits and y in the high; false on a bar or
// off the window. A finger's position comes as fractions of the window's width and height.
bool PointerClientPosition(int x, int y, uint32_t* position);
bool FingerClientPosition(float x, float y, uint32_t* position);
// Before a frame is shown: stretches it over the window's picture where it was drawn smaller, and blackens the
// bars beside the picture. Nothing to do at the window's own size.
void FinishScaledPicture();
