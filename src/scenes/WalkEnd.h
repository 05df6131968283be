// WalkEnd.h -- the pause after a walk that scenes A and H share.
#pragma once

// One frame of the pause: the first closes the sound, the eleventh puts the figure back at the front and
// clears the cue flags for the next walk. True on that eleventh frame.
bool WaitAfterWalk();
