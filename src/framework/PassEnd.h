// PassEnd.h -- counting a scene's passes and handing back to the menu.
#pragma once

// How many passes each letter scene plays before it hands back to the menu; 0 for any other scene.
int ScenePassLimit(int scene);
// Counts a pass; at the scene's limit switches to the menu and sets it up (the caller's frame goes on).
void PassEnd();
