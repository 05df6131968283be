// TracePresent.cpp -- showing a finished frame in a trace: take the requested shot of the whole window from the
// back buffer, wait for the frame to be drawn, then swap.
#include <GL/gl.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#include "platform/Present.h"
#include "platform/WindowPicture.h"
#include "platform/WindowSdl.h"
#include "Trace.h"

std::string PendingShotFile;
std::string ShotFailure;

// stb writes the PNG in pieces and ignores what fwrite and fclose say; the first error of either is kept.
struct ShotOutput {
    std::FILE* File;
    int Error;
};

static void WritePiece(void* context, void* data, int size)
{
    ShotOutput& output = *static_cast<ShotOutput*>(context);
    if (output.Error == 0 && std::fwrite(data, 1, static_cast<size_t>(size), output.File) != static_cast<size_t>(size))
        output.Error = errno != 0 ? errno : EIO;
}

static void WriteShot(const std::string& file, int width, int height, const std::vector<unsigned char>& pixels)
{
    errno = 0;
    ShotOutput output{std::fopen(file.c_str(), "wb"), 0};
    if (output.File == nullptr) {
        ShotFailure = std::strerror(errno);
        return;
    }
    stbi_flip_vertically_on_write(1);  // GL reads bottom row first
    const bool encoded = stbi_write_png_to_func(WritePiece, &output, width, height, 3, pixels.data(), width * 3) != 0;
    if (std::fclose(output.File) != 0 && output.Error == 0) output.Error = errno != 0 ? errno : EIO;
    if (output.Error != 0) ShotFailure = std::strerror(output.Error);
    else if (!encoded) ShotFailure = "the picture could not be encoded";
}

void ShowFinishedFrame(WindowHandle window)
{
    if (!PendingShotFile.empty()) {
        const int width = WindowPicture().SurfaceWidth;
        const int height = WindowPicture().SurfaceHeight;
        std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        WriteShot(PendingShotFile, width, height, pixels);
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
