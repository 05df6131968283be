// MessageLoop.cpp -- messages first; when none waits, the next frame once 90 ms have passed. Only a scene keeps
// the screen awake.
#include "app/App.h"
#include "platform/Events.h"
#include "world/World.h"

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
        KeepScreenAwake(CurrentScene != MenuScene);
        WaitForNextFrame(pacing);
        RenderFrame();
    }
}
