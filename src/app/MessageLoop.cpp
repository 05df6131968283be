// MessageLoop.cpp -- messages first; when none waits, the next frame once 90 ms have passed.
#include "app/App.h"
#include "platform/Clock.h"

constexpr uint32_t FrameMilliseconds = 90;

uint32_t FrameWaitRemaining(const FramePacing& pacing, uint32_t now)
{
    if (!pacing.AnyFrameDrawn) return 0;
    const uint32_t elapsed = now - pacing.PreviousFrameTick;  // modulo 2^32: a wrap changes nothing
    return elapsed >= FrameMilliseconds ? 0 : FrameMilliseconds - elapsed;
}

void RunMessageLoop()
{
    FramePacing pacing{0, false};
    for (;;) {
        if (MessageWaiting()) {
            WindowMessage message;
            if (!TakeMessage(&message)) return;
            DispatchWindowMessage(message);
            continue;
        }
        WaitForNextFrame(pacing);
        RenderFrame();
    }
}
