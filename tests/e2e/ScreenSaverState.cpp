// ScreenSaverState.cpp -- the X server's screen saver, as the MIT-SCREEN-SAVER extension reports it.
//   quillora-e2e-screensaver            prints "on" (the screen saver runs), "off" (it waits for the idle time to
//                                       pass) or "disabled" (nothing will start it), then the milliseconds until
//                                       it starts, or since it started
//   quillora-e2e-screensaver SECONDS    first sets the idle time before it starts, as `xset s SECONDS` does
// Exit 1 without a display or the extension.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "screen-saver-state: no display\n");
        return 1;
    }
    int event = 0;
    int error = 0;
    XScreenSaverInfo* info = XScreenSaverAllocInfo();
    if (!XScreenSaverQueryExtension(display, &event, &error) || info == nullptr ||
        XScreenSaverQueryInfo(display, DefaultRootWindow(display), info) == 0) {
        std::fprintf(stderr, "screen-saver-state: the X server has no MIT-SCREEN-SAVER extension\n");
        return 1;
    }
    if (argc > 1) {
        int timeout = 0, interval = 0, blanking = 0, exposures = 0;
        XGetScreenSaver(display, &timeout, &interval, &blanking, &exposures);
        XSetScreenSaver(display, std::atoi(argv[1]), interval, blanking, exposures);
        XSync(display, False);
    }
    const char* state = info->state == ScreenSaverOn ? "on" : info->state == ScreenSaverOff ? "off" : "disabled";
    std::printf("%s %lu\n", state, info->til_or_since);
    XFree(info);
    XCloseDisplay(display);
    return 0;
}
