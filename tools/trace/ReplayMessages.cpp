// ReplayMessages.cpp -- the window's messages in a replay (quillora-trace, quillora-tour): the program's loop
// asks for messages between frames, so that is where a replay finishes the frame just drawn, prepares the next
// one, and hands over the messages it scripted for it. Waiting takes no time: the clock already reads the
// next frame's tick.
#include <chrono>
#include <deque>
#include "platform/Events.h"
#include "platform/WindowSdl.h"
#include "Trace.h"

static std::deque<WindowMessage> DueMessages;  // the next frame's scripted messages not yet taken
static bool FrameUnderWay;                     // the loop was told no message waits, so it draws TraceFrame
static std::chrono::steady_clock::time_point FrameStarted;

static double FrameMilliseconds()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - FrameStarted).count();
}

bool MessageWaiting()
{
    if (QuitRequested()) return true;
    if (FrameUnderWay) {
        FrameUnderWay = false;
        FinishReplayFrame(FrameMilliseconds());
        PrepareReplayFrame(&DueMessages);
    } else if (TraceFrame == 0) {
        PrepareReplayFrame(&DueMessages);  // start-up is over: frame 1 comes next
    }
    if (!DueMessages.empty()) return true;
    FrameUnderWay = true;  // the loop waits for the frame's tick, which has come, and draws the frame
    FrameStarted = std::chrono::steady_clock::now();
    return false;
}

// A replay draws every frame (PresentedFrameStays says no), so the loop has no idle wait here; were it to wait,
// the time would pass at once, as between frames, and the frame under way would be drawn.
bool WaitForMessage(uint32_t)
{
    return QuitRequested() || !DueMessages.empty();
}

bool TakeMessage(WindowMessage* message)
{
    if (QuitRequested() || DueMessages.empty()) {
        *message = {TheMainWindow(), MessageQuit, 0, 0};
        return false;
    }
    *message = DueMessages.front();
    message->Window = TheMainWindow();
    DueMessages.pop_front();
    return true;
}
