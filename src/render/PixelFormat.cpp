// PixelFormat.cpp -- the window's double-buffered RGBA format with a depth buffer.
#include "render/Render.h"

bool SetupPixelFormat(WindowHandle window)
{
    // No accumulation buffer, no stencil, no layers: zero, as the request leaves them.
    PixelFormatRequest request{};
    request.DrawToWindow = true;
    request.SupportOpenGL = true;
    request.DoubleBuffer = true;
    request.Rgba = true;
    request.ColourBits = 16;
    request.DepthBits = 16;

    const int format = ChoosePixelFormat(window, request);
    if (format == 0) {
        ShowMessageBox("ChoosePixelFormat failed", "Error");
        return false;
    }
    if (!SetPixelFormat(window, format)) {
        ShowMessageBox("SetPixelFormat failed", "Error");
        return false;
    }
    return true;
}
