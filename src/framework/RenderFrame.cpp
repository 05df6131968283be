// RenderFrame.cpp -- one frame: run the active scene's branch.
#include "framework/Framework.h"
#include "framework/World.h"
#include "scenes/Scenes.h"

using SceneFrame = void (*)();

static const SceneFrame SceneFrames[26] = {
    SceneAFrame, SceneBFrame, SceneCFrame, SceneDFrame, SceneEFrame, SceneFFrame, SceneGFrame,
    SceneHFrame, SceneIFrame, SceneJFrame, SceneKFrame, SceneLFrame, SceneMFrame, SceneNFrame,
    SceneOFrame, ScenePFrame, SceneQFrame, SceneRFrame, SceneSFrame, SceneTFrame, SceneUFrame,
    SceneVWFrame, SceneXFrame, SceneYFrame, SceneZFrame, MenuFrame,
};

void RenderFrame()
{
    if (CurrentScene < 0 || CurrentScene > MenuScene) return;  // an unknown scene draws nothing
    SceneFrames[CurrentScene]();
}
