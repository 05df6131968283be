// Startup.cpp -- the program's start: window class, the centred window, the menu.
#include "app/App.h"
#include "app/Game.h"
#include "platform/GameOption.h"
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
    // The class has no name here ("Win OpenGL" elsewhere): the desktop knows the window by the app's id.
    if (!RegisterWindowClass(MainWindowProcedure, "mainicon.bmp")) return false;
    KeyUp = KeyDown = KeyLeft = KeyRight = false;
    int screenWidth = 0;
    int screenHeight = 0;
    GetScreenSize(&screenWidth, &screenHeight);
    int x = 0;
    int y = 0;
    CentredWindowPosition(screenWidth, screenHeight, &x, &y);
    MainWindow = CreateMainWindow("Brenvik Quillora", x, y);
    if (MainWindow == nullptr) return false;
    MenuEnterTick = TickCount();
    ShowMainWindow(MainWindow);
    UpdateMainWindow(MainWindow);
    SceneSetup();  // CurrentScene is still the menu
    if (StartGameChosen() != StartGameNone) StartRound(StartGameChosen() == StartGameSounds ? GameSounds : GameNames);
    return true;
}
