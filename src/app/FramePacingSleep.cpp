// FramePacingSleep.cpp -- waits for the next frame by sleeping, so an idle menu costs next to nothing.
// Messages that arrive meanwhile wait until after the frame, as they would in a busy wait.
#include "app/App.h"
#include "platform/Clock.h"

void WaitForNextFrame(FramePacing& pacing)
{
    uint32_t now = TickCount();
    for (uint32_t remaining; (remaining = FrameWaitRemaining(pacing, now)) != 0; now = TickCount())
        SleepMilliseconds(remaining);
    pacing.PreviousFrameTick = now;
    pacing.AnyFrameDrawn = true;
}
