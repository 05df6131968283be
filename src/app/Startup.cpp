// Startup.cpp -- the program's start: window class, the centred window, the menu.
#include "app/App.h"
#include "framework/SceneSetup.h"
#include "platform/Clock.h"
#include "world/World.h"

void CentredWindowPosition(int screenWidth, int screenHeight, int* x, int* y)
{
    *x = (screenWidth - WindowWidth) / 2;
    *y = (screenHeight - WindowHeight) / 2;
}

bool StartProgram()
{
    if (!RegisterWindowClass("Win OpenGL", MainWindowProcedure, "mainicon.bmp")) return false;
    KeyUp = KeyDown = KeyLeft = KeyRight = false;
    int x = 0;
    int y = 0;
    CentredWindowPosition(GetSystemMetric(MetricScreenWidth), GetSystemMetric(MetricScreenHeight), &x, &y);
    MainWindow = CreateMainWindow("Brenvik Quillora", x, y, WindowWidth,
                                  WindowHeight + GetSystemMetric(MetricCaptionHeight));
    if (MainWindow == nullptr) return false;
    MenuEnterTick = TickCount();
    ShowMainWindow(MainWindow);
    UpdateMainWindow(MainWindow);
    SceneSetup();  // CurrentScene is still the menu
    return true;
}
