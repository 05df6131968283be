// Render.h -- pixel format, projection, the textured quad and the palette conversion.
#pragma once
#include "platform/Image.h"
#include "platform/Window.h"

// Chooses and sets the window's pixel format; shows an "Error" box and returns false when it cannot.
bool SetupPixelFormat(DeviceHandle device);
// Viewport and 45-degree perspective for the client size; also resets the modelview matrix.
void ResizeViewport(int width, int height);
// Texture coordinates and vertices of one quad, inside the caller's glBegin(GL_QUADS) and glEnd.
void DrawTexturedQuad(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3,
                      float x4, float y4, float z4, float repeat);
// Turns a palette picture (8, 4 or 1 bits) into 24 bits, blue-green-red, in place.
void ConvertPaletteImage(ImageRecord* record, int targetBits);
