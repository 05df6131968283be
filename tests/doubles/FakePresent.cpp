// FakePresent.cpp -- counts shown frames instead of swapping.
#include "platform/Present.h"
#include "doubles/Doubles.h"

int PresentedFrames;
bool PresentedFramesStay;

void ShowFinishedFrame(WindowHandle)
{
    PresentedFrames++;
}

bool PresentedFrameStays(WindowHandle)
{
    return PresentedFramesStay;
}
