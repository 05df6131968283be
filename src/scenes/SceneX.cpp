// SceneX.cpp -- placeholder until the scene is built: the common frame with the figure standing still.
#include "framework/Frame.h"
#include "scenes/Scenes.h"

void SceneXFrame()
{
    BeginSceneFrame();
    DrawFigure();
    EndSceneFrame();
}
