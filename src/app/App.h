// App.h -- the application shell: start-up, the window procedure, the menu grid and the frame pacing.
#pragma once
#include <cstdint>
#include "platform/Window.h"

// The outer window the program centres on the screen; its client area is ClientAreaWidth x ClientAreaHeight.
constexpr int WindowWidth = 750;
constexpr int WindowHeight = 550;

// Registers the class, creates the centred window, shows it and sets up the menu.
// False when no window could be made; the reason is in PlatformErrorText().
bool StartProgram();
// The window's top left corner for a screen of that size.
void CentredWindowPosition(int screenWidth, int screenHeight, int* x, int* y);
// Handles messages, and draws a frame whenever none is waiting and 90 ms have passed; returns at the quit request.
void RunMessageLoop();
// Draws and advances the active scene by one frame.
void RenderFrame();

int32_t MainWindowProcedure(const WindowMessage& message);

// The letter cell (0 = A ... 25 = Z) under a client position, or -1 when it is on no letter.
int LetterCellAt(uint32_t x, uint32_t y);
// The scene a click on a cell opens: V and W share one, so the cells after W open the scene before.
int SceneForCell(int cell);
// Opens the scene of a letter cell, as a click on it in the menu does.
void OpenLetterScene(int cell);

struct FramePacing {
    uint32_t PreviousFrameTick;  // when the previous frame began
    bool AnyFrameDrawn;          // the first frame is not delayed
};
// How many milliseconds still to wait before the next frame may begin; 0 when it may begin now.
uint32_t FrameWaitRemaining(const FramePacing& pacing, uint32_t now);
// The same for the idle menu, which draws a frame a second at most: a message ends the wait sooner.
uint32_t IdleWaitRemaining(const FramePacing& pacing, uint32_t now);
// Waits until the next frame may begin and notes that it begins now.
void WaitForNextFrame(FramePacing& pacing);
