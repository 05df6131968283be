// FramePacingYield.cpp -- waits for the next frame by sleeping, and waits at least once between two frames even
// when the next one is already due. In the browser a wait is where the page gets its turn: it shows the frame
// just drawn and delivers the child's touches, so a frame slower than 90 ms must not go straight on to the next.
#include "app/App.h"
#include "platform/Clock.h"

void WaitForNextFrame(FramePacing& pacing)
{
    uint32_t now = TickCount();
    uint32_t remaining = FrameWaitRemaining(pacing, now);
    do {
        SleepMilliseconds(remaining);
        now = TickCount();
    } while ((remaining = FrameWaitRemaining(pacing, now)) != 0);
    pacing.PreviousFrameTick = now;
    pacing.AnyFrameDrawn = true;
}
