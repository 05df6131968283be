// MessageLoop.cpp -- messages first; when none waits, the next frame once 90 ms have passed.
#include "app/App.h"
#include "platform/Events.h"

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
