// RenderFrame.cpp -- one frame: the active scene's frame.
#include "app/App.h"
#include "framework/SceneTable.h"
#include "world/World.h"

void RenderFrame()
{
    if (CurrentScene < 0 || CurrentScene > MenuScene) return;  // an unknown scene draws nothing
    SceneTable[CurrentScene].Frame();
}
