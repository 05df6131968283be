// Events.h -- where the window's messages come from: the seam an event driver fills, chosen per program at link
// time (the window system's events in the program, a script in a replay). The program's loop takes its messages
// through these four functions; a driver supplies all four.
#pragma once
#include "platform/Window.h"

// Takes the command line before anything else starts; for an option the program does not take, it says which
// options it takes and ends the program with 2.
void StartPlatform(int argc, char** argv);
// True when a message waits (the quit request included); looks without removing it.
bool MessageWaiting();
// Waits until a message waits or about that many milliseconds have passed; true when one waits (not taken).
bool WaitForMessage(uint32_t milliseconds);
// Takes the next message, waiting for one; false when it is the quit request.
bool TakeMessage(WindowMessage* message);
