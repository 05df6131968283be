// BackgroundTexture.cpp -- the background picture as a texture given to OpenGL once per set-up.
//
// glDrawPixels converts and sends the whole 760 x 550 picture again in every frame; with a software
// renderer that costs about as much as all the rest of the menu's frame. The same picture as a texture,
// drawn texel for pixel over the window, shows exactly the same pixels: nearest texels replace the colour,
// and whatever could treat a polygon differently from a pixel rectangle is switched off while it draws
// (lighting, culling; the depth test, which the rectangle passed at its raster depth of 0).
// Where the window has the frame drawn larger than the client area, the picture is scaled with it, smoothly.
#include <GL/gl.h>
#include <cstdlib>
#include <cstring>
#include "render/Render.h"

static GLuint FloorTexture;    // 0 until the first set-up binds it
static GLuint PictureTexture;  // 0 until the first upload, and for good on a driver without such textures
static int PictureTextureWidth;
static int PictureTextureHeight;

// 760 x 550 is no power of two: OpenGL 2.0 takes any size, 1.x only with the extension.
static bool DriverTakesAnyTextureSize()
{
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version != nullptr && std::atoi(version) >= 2) return true;
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions != nullptr && std::strstr(extensions, "GL_ARB_texture_non_power_of_two") != nullptr;
}

void BindFloorTexture()
{
    if (FloorTexture == 0) glGenTextures(1, &FloorTexture);
    glBindTexture(GL_TEXTURE_2D, FloorTexture);
}

void UploadBackgroundPicture(const uint8_t* pixels, int width, int height)
{
    if (PictureTexture == 0) {
        if (!DriverTakesAnyTextureSize()) return;
        glGenTextures(1, &PictureTexture);
        glBindTexture(GL_TEXTURE_2D, PictureTexture);
        // Scaled, its edge texels blend with themselves rather than with the opposite edge.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    glBindTexture(GL_TEXTURE_2D, PictureTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    BindFloorTexture();
    PictureTextureWidth = width;
    PictureTextureHeight = height;
}

bool DrawBackgroundTexture()
{
    if (PictureTexture == 0) return false;
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_DEPTH_BUFFER_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, PictureTexture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);

    // Client pixels, so the picture's lower left corner sits on the client area's. Drawn pixel for pixel, the
    // nearest texel is the picture's own pixel; scaled, neighbouring texels blend.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    const GLint filter = LoadClientPixelProjection() ? GL_NEAREST : GL_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const float width = static_cast<float>(PictureTextureWidth);
    const float height = static_cast<float>(PictureTextureHeight);
    glBegin(GL_QUADS);
    DrawTexturedQuad(0, 0, 0, 0, height, 0, width, height, 0, width, 0, 0, 1);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
    return true;
}
