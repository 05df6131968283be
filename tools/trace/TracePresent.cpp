// TracePresent.cpp -- showing a finished frame in a trace: take the requested shot of the whole window from the
// back buffer, wait for the frame to be drawn, then swap.
#include <GL/gl.h>
#include <vector>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#include "platform/Present.h"
#include "platform/WindowPicture.h"
#include "platform/WindowSdl.h"
#include "Trace.h"

std::string PendingShotFile;
bool ShotFailed;

void ShowFinishedFrame(WindowHandle window)
{
    if (!PendingShotFile.empty()) {
        const int width = WindowPicture().SurfaceWidth;
        const int height = WindowPicture().SurfaceHeight;
        std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        stbi_flip_vertically_on_write(1);  // GL reads bottom row first
        if (stbi_write_png(PendingShotFile.c_str(), width, height, 3, pixels.data(), width * 3) == 0) ShotFailed = true;
        PendingShotFile.clear();
    }
    // A window's buffer swap waits until the frame is drawn; an offscreen one returns at once, and frame after
    // frame sent without a pause would pile up undrawn in the driver, holding its memory, until something waits.
    glFinish();
    if (SDL_Window* sdl = SdlWindowOf(window)) SDL_GL_SwapWindow(sdl);
}

bool PresentedFrameStays(WindowHandle)
{
    return false;  // every frame is drawn, so any of them can be photographed and timed
}
