// FramePacingSpin.cpp -- the old way to wait for the next frame: read the clock in a tight loop.
// Only the benchmark builds it, to show what sleeping saves.
#include "app/App.h"
#include "platform/Clock.h"

void WaitForNextFrame(FramePacing& pacing)
{
    uint32_t now = TickCount();
    while (FrameWaitRemaining(pacing, now) != 0) now = TickCount();
    pacing.PreviousFrameTick = now;
    pacing.AnyFrameDrawn = true;
}
