// FakePresent.cpp -- counts presented frames instead of swapping.
#include "platform/Window.h"
#include "doubles/Doubles.h"

int PresentedFrames;

void PresentFrame(DeviceHandle)
{
    PresentedFrames++;
}
