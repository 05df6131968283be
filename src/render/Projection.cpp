// Projection.cpp -- viewport, perspective, and the textured quad of the stone floor.
#include <GL/gl.h>
#include <GL/glu.h>
#include "platform/WindowPicture.h"
#include "render/Render.h"

static bool ScaledBefore;  // the state for glDrawPixels has been moved off its defaults

// glDrawPixels ignores the viewport: where the frame is drawn scaled, the background drawn with it (on a driver
// without the picture texture) starts at the viewport's corner, is zoomed like it, and is cut off at its edges
// by the scissor box, which DrawPixelRectangle switches on for it alone. Left on for the whole frame, it would
// turn every frame's clear into a drawn rectangle, the slowest part of a large frame in a software renderer.
static void PlacePixelRectangles(const PictureArea& area, int width, int height)
{
    glScissor(area.X, area.Y, area.Width, area.Height);
    const bool scaled = area.X != 0 || area.Y != 0 || area.Width != width || area.Height != height;
    if (!scaled && !ScaledBefore) return;  // the defaults are right: nothing more to set
    ScaledBefore = scaled;
    glPixelZoom(static_cast<float>(area.Width) / static_cast<float>(width),
                static_cast<float>(area.Height) / static_cast<float>(height));
    // The viewport's lower left corner at depth 0, where the raster position starts in an unscaled window.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, 0, height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRasterPos3i(0, 0, 1);
}

void DrawPixelRectangle(int width, int height, const void* pixels)
{
    glEnable(GL_SCISSOR_TEST);
    glDrawPixels(width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glDisable(GL_SCISSOR_TEST);
}

void ResizeViewport(int width, int height)
{
    // The window may show the picture larger than the client area, or smaller: the viewport is where the window
    // has it drawn, the projection keeps the client area's shape.
    const PictureArea area = PictureDrawingArea();
    glViewport(area.X, area.Y, area.Width, area.Height);
    PlacePixelRectangles(area, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A zero height would only come from a window system gone odd.
    const float aspect = height != 0 ? static_cast<float>(width) / static_cast<float>(height) : 1.0f;
    gluPerspective(45, aspect, 3, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

bool LoadClientPixelProjection()
{
    glLoadIdentity();
    glOrtho(0, ClientAreaWidth, 0, ClientAreaHeight, -1, 1);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    return viewport[2] == ClientAreaWidth && viewport[3] == ClientAreaHeight;
}

void DrawTexturedQuad(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3,
                      float x4, float y4, float z4, float repeat)
{
    glTexCoord2f(0, 0);
    glVertex3f(x1, y1, z1);
    glTexCoord2f(0, repeat);
    glVertex3f(x2, y2, z2);
    glTexCoord2f(repeat, repeat);
    glVertex3f(x3, y3, z3);
    glTexCoord2f(repeat, 0);
    glVertex3f(x4, y4, z4);
}
