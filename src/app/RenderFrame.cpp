// RenderFrame.cpp -- one frame: the active scene's frame; in the menu, a round's step first.
#include "app/App.h"
#include "app/Game.h"
#include "framework/SceneTable.h"
#include "world/World.h"

void RenderFrame()
{
    if (CurrentScene < 0 || CurrentScene > MenuScene) return;  // an unknown scene draws nothing
    ReadyWindowForFrame(MainWindow);
    if (CurrentScene == MenuScene) GameFrame();  // may open a letter's scene, whose frame this then is
    SceneTable[CurrentScene].Frame();
}
