// FloorProps.h -- the frame the letter props of K, L, M and N are built in.
#pragma once

// Moves to the props' common corner on the floor and turns a quarter about x, so that local z points
// down, local y towards the viewer and local x along the scene's x. Call inside your own push.
void EnterFloorPropSpace();
