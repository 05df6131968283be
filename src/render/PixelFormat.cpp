// PixelFormat.cpp -- the window's double-buffered RGBA format with a depth buffer.
#include "render/Render.h"

bool SetupPixelFormat(DeviceHandle device)
{
    PixelFormatRequest request{};
    request.Size = 40;
    request.Version = 1;
    request.DrawToWindow = true;
    request.SupportOpenGL = true;
    request.DoubleBuffer = true;
    request.Rgba = true;
    request.ColourBits = 16;
    request.DepthBits = 16;

    const int format = ChoosePixelFormat(device, request);
    if (format == 0) {
        ShowMessageBox("ChoosePixelFormat failed", "Error");
        return false;
    }
    if (!SetPixelFormat(device, format, request)) {
        ShowMessageBox("SetPixelFormat failed", "Error");
        return false;
    }
    return true;
}
