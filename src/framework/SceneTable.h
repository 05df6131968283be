// SceneTable.h -- each scene's start values and frame, indexed by SceneIndex. The table is filled in above
// the scenes, with the program's entry, so that the framework they stand on names none of them.
#pragma once
#include "world/World.h"

struct SceneEntry {
    void (*StartValues)();  // run by scene set-up after the standing pose; null keeps the pose as it is
    void (*Frame)();        // draws one frame, then advances the scene
};

extern const SceneEntry SceneTable[SceneCount];
