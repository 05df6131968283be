// EventsSdl.cpp -- where the window's messages come from in the program: SDL's events, as the person at the
// screen makes them, and the program's options. quillora-trace links a script of its own in this place.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "platform/Events.h"
#include "platform/GameOption.h"
#include "platform/UsageText.h"
#include "platform/WindowPicture.h"
#include "platform/WindowSdl.h"

void StartPlatform(int argc, char** argv)
{
    // Full screen, a window or a kiosk; the last one given counts, so a launcher's default can be overridden.
    // The same for the game's mode. The questions answer as the launcher does, so the program alone answers
    // them too.
    bool fullScreen = false;
    bool kiosk = false;
    StartGame game = StartGameNone;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--fullscreen") == 0) {
            fullScreen = true;
            kiosk = false;
        } else if (std::strcmp(argv[i], "--window") == 0) {
            fullScreen = false;
            kiosk = false;
        } else if (std::strcmp(argv[i], "--kiosk") == 0) {
            fullScreen = false;
            kiosk = true;
        } else if (std::strcmp(argv[i], "--game") == 0 || std::strncmp(argv[i], "--game=", 7) == 0) {
            const char* mode = argv[i][6] == '=' ? argv[i] + 7 : i + 1 < argc ? argv[++i] : nullptr;
            if (!ParseStartGame(mode, &game)) {
                std::fprintf(stderr, "quillora: %s\n", StartGameUsage());
                std::exit(2);
            }
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(UsageText, stdout);
            std::exit(0);
        } else if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(VersionText, stdout);
            std::exit(0);
        } else {
            std::fprintf(stderr,
                         "quillora: unknown option '%s' (it takes --fullscreen, --window, --kiosk or --game names|sounds)\n",
                         argv[i]);
            std::exit(2);
        }
    }
    SetStartFullScreen(fullScreen, kiosk);
    SetStartGame(game);
}

static uint32_t KeyCodeOf(const SDL_Keysym& key)
{
    switch (key.sym) {
    case SDLK_LEFT: return KeyArrowLeft;
    case SDLK_UP: return KeyArrowUp;
    case SDLK_RIGHT: return KeyArrowRight;
    case SDLK_DOWN: return KeyArrowDown;
    case SDLK_F11: return KeyF11;
    case SDLK_ESCAPE: return KeyEscape;
    case SDLK_SPACE: return KeySpace;
    default: break;
    }
    // SDL names a key by what it types in the keyboard's layout, so AZERTY's and QWERTZ's letters come out
    // right. Held with Ctrl, Alt or the logo key it types nothing: a shortcut is not a letter.
    if (key.sym >= SDLK_a && key.sym <= SDLK_z && (key.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI)) == 0)
        return KeyLetterA + static_cast<uint32_t>(key.sym - SDLK_a);
    return KeyOther;
}

// A touch that the window system reports as taps on the screen, not a touchpad's finger that moves the pointer,
// nor a touch SDL makes up from the mouse when asked to.
static bool IsScreenTouch(SDL_TouchID device)
{
    if (device == SDL_MOUSE_TOUCHID) return false;
    const SDL_TouchDeviceType type = SDL_GetTouchDeviceType(device);
    return type != SDL_TOUCH_DEVICE_INDIRECT_ABSOLUTE && type != SDL_TOUCH_DEVICE_INDIRECT_RELATIVE;
}

static WindowMessage Translate(const SDL_Event& event)
{
    WindowMessage message{TheMainWindow(), MessageOther, 0, 0};
    switch (event.type) {
    case SDL_QUIT:
        if (MainWindowAlive()) message.Kind = MessageClose;
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) message.Kind = MessageClose;
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)  // the client size stays as it was
            message = {TheMainWindow(), MessageSize, ClientAreaWidth, ClientAreaHeight};
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SHOWN ||
            event.window.event == SDL_WINDOWEVENT_RESTORED) {
            message.Kind = MessagePaint;  // the window's picture may be gone
        }
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        message.Kind = event.type == SDL_KEYDOWN ? MessageKeyDown : MessageKeyUp;
        message.First = KeyCodeOf(event.key.keysym);
        if (event.type == SDL_KEYDOWN && event.key.repeat != 0) message.Second = KeyWasDown;
        break;
    // Pointer and finger positions become client positions; where the window shows no client area (on a bar
    // beside the scaled picture, or off the window while a button is held) the program gets no message.
    // SDL also reports a finger as a pointer that moves there and presses: those are dropped, so that a tap
    // is a tap and not also a move and a click.
    case SDL_MOUSEMOTION:
        if (event.motion.which == SDL_TOUCH_MOUSEID) break;
        if (PointerClientPosition(event.motion.x, event.motion.y, &message.Second)) message.Kind = MessageMouseMove;
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.which == SDL_TOUCH_MOUSEID) break;
        if (event.button.button == SDL_BUTTON_LEFT && PointerClientPosition(event.button.x, event.button.y, &message.Second))
            message.Kind = MessageLeftButtonDown;
        break;
    // A tap counts when the finger lands, as a click counts when the button goes down: where the finger
    // lands is the letter the child aimed at, wherever it slides before it lifts.
    case SDL_FINGERDOWN:
        if (IsScreenTouch(event.tfinger.touchId) && FingerClientPosition(event.tfinger.x, event.tfinger.y, &message.Second))
            message.Kind = MessageTap;
        break;
    default:
        break;
    }
    return message;
}

// The event a wait for a message took from SDL's queue; the next message, ahead of the queue.
static SDL_Event HeldEvent;
static bool EventHeld;

bool MessageWaiting()
{
    if (QuitRequested() || EventHeld) return true;
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
}

bool WaitForMessage(uint32_t milliseconds)
{
    if (MessageWaiting()) return true;
    // SDL sleeps on the window system's connection until an event comes or the time is up.
    const int timeout = static_cast<int>(milliseconds < 0x7FFFFFFF ? milliseconds : 0x7FFFFFFF);
    EventHeld = SDL_WaitEventTimeout(&HeldEvent, timeout) != 0;
    return EventHeld;
}

bool TakeMessage(WindowMessage* message)
{
    if (QuitRequested()) {
        *message = {TheMainWindow(), MessageQuit, 0, 0};
        return false;
    }
    SDL_Event event = HeldEvent;
    if (EventHeld) {
        EventHeld = false;
    } else if (SDL_WaitEvent(&event) == 0) {
        // The event system itself has failed: nothing more can arrive, so end rather than hang.
        *message = {TheMainWindow(), MessageQuit, 0, 0};
        return false;
    }
    *message = Translate(event);
    return true;
}
