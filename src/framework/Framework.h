// Framework.h -- scene set-up and the per-frame dispatch.
#pragma once

// Prepares the scene CurrentScene names: texture, picture, GL state, figure pose, start values.
void SceneSetup();
// Draws and advances the active scene by one frame.
void RenderFrame();
// The menu's frame.
void MenuFrame();
