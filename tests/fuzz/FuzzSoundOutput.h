// FuzzSoundOutput.h -- a sound output that checks how the command interpreter uses it.
#pragma once

// Recordings loaded and not yet freed.
int LiveFuzzRecordings();
