// FuzzSoundOutput.h -- a sound output that checks how the command interpreter uses it.
#pragma once

// Recordings loaded and not yet freed.
int LiveFuzzRecordings();
// Every recording that plays reaches its end.
void EndFuzzRecordings();
// Sound commands sent so far.
long FuzzSoundCommandsSent();
