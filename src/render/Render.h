// Render.h -- pixel format, projection, the textured quad and the palette conversion.
#pragma once
#include "platform/Image.h"
#include "platform/Window.h"

// Chooses and sets the window's pixel format; shows an "Error" box and returns false when it cannot.
bool SetupPixelFormat(WindowHandle window);
// Viewport and 45-degree perspective for the client size; also resets the modelview matrix. The viewport is
// where the window has the client area's picture drawn, which is larger in a larger window.
void ResizeViewport(int width, int height);
// Replaces the current matrix with an orthographic projection of the client area in its own pixels, wherever and however large the viewport draws them; true when they
// are drawn pixel for pixel.
bool LoadClientPixelProjection();
// glDrawPixels of rows of red-green-blue pixels at the current raster position, cut off where the viewport ends.
void DrawPixelRectangle(int width, int height, const void* pixels);
// Texture coordinates and vertices of one quad, inside the caller's glBegin(GL_QUADS) and glEnd.
void DrawTexturedQuad(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3,
                      float x4, float y4, float z4, float repeat);
// Binds the stone floor's texture, a texture object of its own (made at the first call): every drawing that
// binds another texture binds this one back. WebGL has no default texture to hold it.
void BindFloorTexture();
// Gives OpenGL the background picture (rows of width red-green-blue pixels, bottom row first) as a texture,
// once per set-up; does nothing on a driver that cannot hold a texture of that size.
void UploadBackgroundPicture(const uint8_t* pixels, int width, int height);
// Draws the uploaded picture over the window from its lower left corner, pixel for pixel, as glDrawPixels
// would at the initial raster position (smoothly scaled where the viewport is larger or smaller than the client
// area), leaving the depth buffer and the drawing state as they were;
// false when there is no texture to draw (the caller then draws the pixels itself).
bool DrawBackgroundTexture();
// Turns a palette picture (8, 4 or 1 bits) into 24 bits, blue-green-red, in place.
void ConvertPaletteImage(ImageRecord* record, int targetBits);
