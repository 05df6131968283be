// SceneSetup.h -- preparing the active scene.
#pragma once

// Prepares the scene CurrentScene names: texture, picture, GL state, figure pose, start values.
void SceneSetup();
