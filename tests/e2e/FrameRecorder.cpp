// FrameRecorder.cpp -- watches a real X window from outside: logs every frame it presents and every growth of
// the audio capture file, so a test can line up the program's frames, its pictures and its sound in time.
//
//   quillora-e2e-recorder CAPTION AUDIOFILE LOG PIXELFILE
//
// Prints "ready" once it watches the display, then writes LOG, one line per event, with times in seconds
// since the epoch (the clock of bash's EPOCHREALTIME):
//   window ID TIME WxH        the window captioned CAPTION has appeared
//   frame N TIME PICTURE      the whole client area was drawn (a presented frame): its number from 1, and the
//                             picture it showed, an index into PIXELFILE (a frame like the one before adds none)
//   damage TIME X Y W H       a smaller part of the window was drawn (the pointer, an exposure)
//   audio TIME BYTES          the capture file has grown to BYTES
//   gone TIME                 the window has been destroyed
// It also prints the window, frame and gone lines to standard output as they happen (without the times), so
// a script can act in step with the frames.
// PIXELFILE holds the pictures one after another, W x H pixels each of red, green, blue bytes, rows top down.
// Frame times come from the X server's own event stamps, so a busy recorder does not make them late. A frame
// whose picture the recorder may have missed (the next frame was already drawn when it looked) shows picture -1.
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <sys/stat.h>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

static volatile std::sig_atomic_t Stopping = 0;

static void Stop(int)
{
    Stopping = 1;
}

// The watched window may vanish between an event and the request that follows it; that is not an error here.
static int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

static double Now()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

static bool HasCaption(Display* display, Window window, const char* caption)
{
    char* name = nullptr;
    const bool matches = XFetchName(display, window, &name) != 0 && name != nullptr && std::strcmp(name, caption) == 0;
    if (name != nullptr) XFree(name);
    return matches;
}

// The difference, in seconds, between the wall clock and the X server's millisecond stamps: a property change on
// a window of our own comes back stamped; the quickest of a few round trips gives the closest estimate.
static double ServerClockOffset(Display* display, Window root)
{
    const Window probe = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(display, probe, PropertyChangeMask);
    const Atom atom = XInternAtom(display, "QUILLORA_E2E_CLOCK", False);
    double best = 0;
    double bestRoundTrip = 1e9;
    for (int attempt = 0; attempt < 8; attempt++) {
        const unsigned char value = 0;
        const double before = Now();
        XChangeProperty(display, probe, atom, XA_INTEGER, 8, PropModeReplace, &value, 1);
        XEvent event;
        XWindowEvent(display, probe, PropertyChangeMask, &event);
        const double after = Now();
        if (after - before < bestRoundTrip) {
            bestRoundTrip = after - before;
            best = (before + after) / 2 - static_cast<double>(event.xproperty.time) / 1000.0;
        }
    }
    XDestroyWindow(display, probe);
    return best;
}

struct FrameQuery {
    int DamageEvent;
    Window Target;
    int Width;
    int Height;
    bool Found;
};

static Bool NoteFrameDamage(Display*, XEvent* event, XPointer argument)
{
    auto* query = reinterpret_cast<FrameQuery*>(argument);
    const auto* notify = reinterpret_cast<const XDamageNotifyEvent*>(event);
    if (event->type == query->DamageEvent + XDamageNotify && notify->drawable == query->Target &&
        notify->area.width >= query->Width && notify->area.height >= query->Height)
        query->Found = true;
    return False;  // only looks: every event stays queued
}

static bool NextFrameQueued(Display* display, int damageEvent, Window target, int width, int height)
{
    FrameQuery query{damageEvent, target, width, height, false};
    XEvent unused;
    XCheckIfEvent(display, &unused, NoteFrameDamage, reinterpret_cast<XPointer>(&query));
    return query.Found;
}

// The window's pixels as red, green, blue bytes, rows top down.
static void ImageToRgb(XImage* image, std::vector<unsigned char>& rgb)
{
    rgb.resize(static_cast<size_t>(image->width) * image->height * 3);
    unsigned char* out = rgb.data();
    const bool plain32 = image->bits_per_pixel == 32 && image->red_mask == 0xff0000 && image->green_mask == 0xff00 &&
                         image->blue_mask == 0xff && image->byte_order == LSBFirst;
    for (int y = 0; y < image->height; y++) {
        const auto* row = reinterpret_cast<const uint32_t*>(image->data + static_cast<size_t>(y) * image->bytes_per_line);
        for (int x = 0; x < image->width; x++) {
            const unsigned long pixel = plain32 ? row[x] : XGetPixel(image, x, y);
            *out++ = static_cast<unsigned char>((pixel >> 16) & 0xff);
            *out++ = static_cast<unsigned char>((pixel >> 8) & 0xff);
            *out++ = static_cast<unsigned char>(pixel & 0xff);
        }
    }
}

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s CAPTION AUDIOFILE LOG PIXELFILE\n", argv[0]);
        return 2;
    }
    const char* caption = argv[1];
    const char* audioFile = argv[2];
    std::FILE* log = std::fopen(argv[3], "w");
    std::FILE* pixels = std::fopen(argv[4], "wb");
    if (log == nullptr || pixels == nullptr) {
        std::fprintf(stderr, "recorder: cannot write %s or %s\n", argv[3], argv[4]);
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "recorder: cannot open the display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "recorder: the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(IgnoreXError);
    std::signal(SIGTERM, Stop);
    std::signal(SIGINT, Stop);

    const Window root = DefaultRootWindow(display);
    const double serverOffset = ServerClockOffset(display, root);
    // New top-level windows are announced on the root; each is watched until one carries the caption.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);

    Window target = 0;
    int width = 0;
    int height = 0;
    long frames = 0;
    long pictures = 0;
    long audioBytes = -1;
    std::vector<unsigned char> rgb;
    std::vector<unsigned char> previous;
    while (!Stopping) {
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        if (XPending(display) == 0) poll(&connection, 1, 2);

        struct stat status{};
        if (stat(audioFile, &status) == 0 && status.st_size != audioBytes) {
            audioBytes = status.st_size;
            std::fprintf(log, "audio %.6f %ld\n", Now(), audioBytes);
        }

        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && target == 0)
                XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask | StructureNotifyMask);
            Window named = 0;
            if (event.type == CreateNotify && target == 0 && HasCaption(display, event.xcreatewindow.window, caption))
                named = event.xcreatewindow.window;
            if (event.type == PropertyNotify && target == 0 && HasCaption(display, event.xproperty.window, caption))
                named = event.xproperty.window;
            if (named != 0) {
                XWindowAttributes attributes{};
                if (XGetWindowAttributes(display, named, &attributes) == 0) continue;
                target = named;
                width = attributes.width;
                height = attributes.height;
                XDamageCreate(display, target, XDamageReportRawRectangles);
                std::fprintf(log, "window %lu %.6f %dx%d\n", target, Now(), width, height);
                std::printf("window %lu\n", target);
            }
            if (event.type == DestroyNotify && target != 0 && event.xdestroywindow.window == target) {
                std::fprintf(log, "gone %.6f\n", Now());
                std::printf("gone\n");
                Stopping = 1;
            }
            if (event.type != damageEvent + XDamageNotify || target == 0) continue;
            const auto* notify = reinterpret_cast<const XDamageNotifyEvent*>(&event);
            if (notify->drawable != target) continue;
            const double time = serverOffset + static_cast<double>(notify->timestamp) / 1000.0;
            const XRectangle& area = notify->area;
            if (area.width < width || area.height < height) {
                std::fprintf(log, "damage %.6f %d %d %d %d\n", time, area.x, area.y, area.width, area.height);
                continue;
            }
            // A presented frame covers the whole client area.
            frames++;
            XImage* image = XGetImage(display, target, 0, 0, width, height, AllPlanes, ZPixmap);
            // When the next frame was drawn before the round trip that follows the read, the picture read
            // may already be that one: better unknown than wrong.
            XSync(display, False);
            if (image != nullptr && NextFrameQueued(display, damageEvent, target, width, height)) {
                XDestroyImage(image);
                image = nullptr;
            }
            if (image == nullptr) {
                std::fprintf(log, "frame %ld %.6f -1\n", frames, time);
                std::printf("frame %ld -1\n", frames);
                continue;
            }
            ImageToRgb(image, rgb);
            XDestroyImage(image);
            if (rgb != previous) {
                std::fwrite(rgb.data(), 1, rgb.size(), pixels);
                previous.swap(rgb);
                pictures++;
            }
            std::fprintf(log, "frame %ld %.6f %ld\n", frames, time, pictures - 1);
            std::printf("frame %ld %ld\n", frames, pictures - 1);
        }
        std::fflush(log);
        std::fflush(stdout);
    }
    std::fclose(pixels);
    std::fclose(log);
    XCloseDisplay(display);
    return 0;
}
