// SceneEntries.cpp -- the scene table's entries: every scene's start values and frame, in the order of SceneIndex.
#include "framework/Menu.h"
#include "framework/SceneTable.h"
#include "scenes/Scenes.h"

const SceneEntry SceneTable[SceneCount] = {
    {nullptr, SceneAFrame},
    {SceneBStartValues, SceneBFrame},
    {SceneCStartValues, SceneCFrame},
    {SceneDStartValues, SceneDFrame},
    {nullptr, SceneEFrame},
    {SceneFStartValues, SceneFFrame},
    {nullptr, SceneGFrame},
    {nullptr, SceneHFrame},
    {SceneIStartValues, SceneIFrame},
    {SceneJStartValues, SceneJFrame},
    {SceneKStartValues, SceneKFrame},
    {SceneLStartValues, SceneLFrame},
    {nullptr, SceneMFrame},
    {nullptr, SceneNFrame},
    {SceneOStartValues, SceneOFrame},
    {ScenePStartValues, ScenePFrame},
    {SceneQStartValues, SceneQFrame},
    {SceneRStartValues, SceneRFrame},
    {SceneSStartValues, SceneSFrame},
    {SceneTStartValues, SceneTFrame},
    {SceneUStartValues, SceneUFrame},
    {SceneVWStartValues, SceneVWFrame},
    {SceneXStartValues, SceneXFrame},
    {SceneYStartValues, SceneYFrame},
    {SceneZStartValues, SceneZFrame},
    {nullptr, MenuFrame},
};
