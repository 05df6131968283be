// Projection.cpp -- viewport, perspective, and the textured quad of the stone floor.
#include <GL/gl.h>
#include <GL/glu.h>
#include "render/Render.h"

void ResizeViewport(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // The window has a fixed size; a zero height would only come from a window system gone odd.
    const float aspect = height != 0 ? static_cast<float>(width) / static_cast<float>(height) : 1.0f;
    gluPerspective(45, aspect, 3, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
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
