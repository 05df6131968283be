// MessageLoop.cpp -- messages first; when none waits, the next frame once 90 ms have passed. The idle menu (its
// picture on show and staying there, nothing playing) waits for the next message instead, drawing a frame a
// second at most; after a few seconds of that the sound device rests. Only a scene keeps the screen awake.
#include "app/App.h"
#include "app/Game.h"
#include "framework/Menu.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Sound.h"
#include "world/World.h"

// Long enough that the gaps between a child's sounds keep the device, short beside the sound server's own wait.
constexpr uint32_t SoundRestMilliseconds = 5000;

// A round of "Find the letter" is never idle: it asks again after a while, and the figure nods and shakes.
static bool MenuIdle()
{
    return CurrentScene == MenuScene && !RoundRunning() && MenuFrameIdle() && !AnySoundPlaying();
}

void RunMessageLoop()
{
    FramePacing pacing{0, false};
    bool idle = false;
    uint32_t idleSince = 0;
    for (;;) {
        if (MessageWaiting()) {
            WindowMessage message;
            if (!TakeMessage(&message)) return;
            DispatchWindowMessage(message);
            continue;
        }
        KeepScreenAwake(CurrentScene != MenuScene);
        if (MenuIdle()) {
            const uint32_t now = TickCount();
            if (!idle) idleSince = now;
            idle = true;
            if (now - idleSince >= SoundRestMilliseconds) RestSoundOutput();
            if (WaitForMessage(IdleWaitRemaining(pacing, now))) continue;
        } else {
            idle = false;
        }
        WaitForNextFrame(pacing);
        RenderFrame();
    }
}
