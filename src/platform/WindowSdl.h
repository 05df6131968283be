// WindowSdl.h -- inside the platform layer (and the replay that stands in for a part of it) only: the SDL
// window behind a window handle.
#pragma once
#include <SDL.h>
#include "platform/Window.h"

SDL_Window* SdlWindowOf(DeviceHandle device);
// The one window (made or not), whether it is alive, and whether the quit request is posted: what a source
// of the window's messages needs to know.
WindowHandle TheMainWindow();
bool MainWindowAlive();
bool QuitRequested();
// Where the window shows and draws the client area's picture, as the last size message left it.
const PictureGeometry& PictureGeometryOf(DeviceHandle device);
// Measures the picture again when the window's size has changed, just before the size message goes out.
void RemeasurePicture(WindowHandle window);
// True for a moment after the window's size changed, while the surface may still be changing size under it.
bool WindowSizeSettling(DeviceHandle device);
// Before a frame is shown: stretches it over the window's picture where it was drawn smaller, and blackens the
// bars beside the picture. Nothing to do at the window's own size.
void FinishScaledPicture(DeviceHandle device);
