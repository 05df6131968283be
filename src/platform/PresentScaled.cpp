// PresentScaled.cpp -- presenting a frame: the last step before it is shown in a window of another size than the
// client area (a frame drawn smaller than the picture is stretched over it, and the bars beside the picture are
// blackened), then the presentation driver's own showing. Whatever it changes in OpenGL's state it gives back,
// so the program's next frame starts as it left it.
#include <GL/gl.h>
#include <initializer_list>
#include "platform/Present.h"
#include "platform/WindowPicture.h"

static GLuint StretchTexture;  // a copy of the drawn frame; a power of two on each side, as OpenGL 1.1 wants
static int StretchTextureWidth;
static int StretchTextureHeight;

static int PowerOfTwoAtLeast(int size)
{
    int power = 1;
    while (power < size) power *= 2;
    return power;
}

// Smooth scaling blends each pixel of the picture's top row and right column with the texels just beyond the
// frame, which no frame ever wrote: the frame's own top row and right column are repeated into them, as the
// texture's edge would be repeated if it were exactly the frame's size. Where the frame reaches the texture's
// edge, the texture's own clamping already does that.
static void RepeatFrameEdges(const PictureArea& drawn)
{
    const int right = drawn.X + drawn.Width - 1;
    const int top = drawn.Y + drawn.Height - 1;
    if (drawn.Height < StretchTextureHeight)
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, drawn.Height, drawn.X, top, drawn.Width, 1);
    if (drawn.Width < StretchTextureWidth)
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, drawn.Width, 0, right, drawn.Y, 1, drawn.Height);
    if (drawn.Width < StretchTextureWidth && drawn.Height < StretchTextureHeight)
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, drawn.Width, drawn.Height, right, top, 1, 1);
}

// Copies the frame drawn in the surface's corner and draws it over the picture's rectangle, smoothly scaled.
static void StretchDrawnFrame(const PictureArea& drawn, const PictureArea& shown)
{
    if (StretchTexture == 0) glGenTextures(1, &StretchTexture);
    glBindTexture(GL_TEXTURE_2D, StretchTexture);
    if (drawn.Width > StretchTextureWidth || drawn.Height > StretchTextureHeight) {
        StretchTextureWidth = PowerOfTwoAtLeast(drawn.Width);
        StretchTextureHeight = PowerOfTwoAtLeast(drawn.Height);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, StretchTextureWidth, StretchTextureHeight, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, drawn.X, drawn.Y, drawn.Width, drawn.Height);
    RepeatFrameEdges(drawn);

    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glViewport(shown.X, shown.Y, shown.Width, shown.Height);
    const float right = static_cast<float>(drawn.Width) / static_cast<float>(StretchTextureWidth);
    const float top = static_cast<float>(drawn.Height) / static_cast<float>(StretchTextureHeight);
    glBegin(GL_QUADS);  // with identity matrices: the viewport's corners
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(right, 0);
    glVertex2f(1, -1);
    glTexCoord2f(right, top);
    glVertex2f(1, 1);
    glTexCoord2f(0, top);
    glVertex2f(-1, 1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

static void Blacken(int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0) return;
    glScissor(x, y, width, height);
    glClear(GL_COLOR_BUFFER_BIT);
}

void FinishScaledPicture()
{
    const PictureGeometry& geometry = WindowPicture();
    const PictureArea& shown = geometry.Shown;
    const PictureArea& drawn = geometry.Drawn;
    const bool stretched = drawn.X != shown.X || drawn.Y != shown.Y || drawn.Width != shown.Width ||
                           drawn.Height != shown.Height;
    const bool barred = shown.Width != geometry.SurfaceWidth || shown.Height != geometry.SurfaceHeight;
    if (!stretched && !barred) return;

    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (GLenum capability : {GL_LIGHTING, GL_CULL_FACE, GL_POLYGON_STIPPLE, GL_DEPTH_TEST, GL_BLEND, GL_ALPHA_TEST,
                              GL_FOG, GL_SCISSOR_TEST, GL_STENCIL_TEST, GL_TEXTURE_1D, GL_TEXTURE_2D})
        glDisable(capability);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);

    if (stretched) StretchDrawnFrame(drawn, shown);

    // The bars: everything of the surface beside the picture, below it and above it.
    glEnable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 0);
    const int top = shown.Y + shown.Height;
    Blacken(0, 0, shown.X, geometry.SurfaceHeight);
    Blacken(shown.X + shown.Width, 0, geometry.SurfaceWidth - shown.X - shown.Width, geometry.SurfaceHeight);
    Blacken(shown.X, 0, shown.Width, shown.Y);
    Blacken(shown.X, top, shown.Width, geometry.SurfaceHeight - top);

    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glPopAttrib();  // the matrix mode too
}

void PresentFrame(WindowHandle window)
{
    FinishScaledPicture();
    ShowFinishedFrame(window);
}
