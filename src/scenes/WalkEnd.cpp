// WalkEnd.cpp -- the pause after a walk that scenes A and H share (they share its counter, too).
#include "platform/Sound.h"
#include "scenes/WalkEnd.h"
#include "world/World.h"

bool WaitAfterWalk()
{
    if (!SoundLatch) {
        SendSoundCommand("close sound");  // cut short, even if the recording has not finished
        SoundLatch = true;
    }
    EndWait++;
    if (EndWait <= 10) return false;
    FigureZ = 0;
    CueStarted = false;
    SoundLatch = false;
    EndWait = 0;
    return true;
}
