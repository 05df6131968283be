// Scenes.h -- one frame function per letter scene; each draws a frame and advances its story.
#pragma once

void SceneAFrame();
void SceneBFrame();
void SceneCFrame();
void SceneDFrame();
void SceneEFrame();
void SceneFFrame();
void SceneGFrame();
void SceneHFrame();
void SceneIFrame();
void SceneJFrame();
void SceneKFrame();
void SceneLFrame();
void SceneMFrame();
void SceneNFrame();
void SceneOFrame();
void ScenePFrame();
void SceneQFrame();
void SceneRFrame();
void SceneSFrame();
void SceneTFrame();
void SceneUFrame();
void SceneVWFrame();
void SceneXFrame();
void SceneYFrame();
void SceneZFrame();
