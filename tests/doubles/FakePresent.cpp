// FakePresent.cpp -- counts presented frames instead of swapping.
#include "platform/Window.h"
#include "doubles/Doubles.h"

int PresentedFrames;
bool PresentedFramesStay;

void PresentFrame(DeviceHandle)
{
    PresentedFrames++;
}

bool PresentedFrameStays(DeviceHandle)
{
    return PresentedFramesStay;
}
