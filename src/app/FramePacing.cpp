// FramePacing.cpp -- how long the next frame must still wait: a frame begins 90 ms after the one before, and on
// the idle menu a second after it unless a message comes first.
#include "app/App.h"

constexpr uint32_t FrameMilliseconds = 90;
constexpr uint32_t IdleFrameMilliseconds = 1000;

static uint32_t WaitRemaining(const FramePacing& pacing, uint32_t now, uint32_t period)
{
    if (!pacing.AnyFrameDrawn) return 0;
    const uint32_t elapsed = now - pacing.PreviousFrameTick;  // modulo 2^32: a wrap changes nothing
    return elapsed >= period ? 0 : period - elapsed;
}

uint32_t FrameWaitRemaining(const FramePacing& pacing, uint32_t now)
{
    return WaitRemaining(pacing, now, FrameMilliseconds);
}

uint32_t IdleWaitRemaining(const FramePacing& pacing, uint32_t now)
{
    return WaitRemaining(pacing, now, IdleFrameMilliseconds);
}
