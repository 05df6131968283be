// EventsSdl.cpp -- where the window's messages come from in the program: SDL's events, as the person at the
// screen makes them. quillora-trace links a script of its own in this place.
#include "platform/WindowSdl.h"

void StartPlatform(int, char**)
{
    // The program takes no options.
}

static uint32_t KeyCodeOf(const SDL_Keysym& key)
{
    switch (key.sym) {
    case SDLK_LEFT: return KeyArrowLeft;
    case SDLK_UP: return KeyArrowUp;
    case SDLK_RIGHT: return KeyArrowRight;
    case SDLK_DOWN: return KeyArrowDown;
    case SDLK_F11: return KeyF11;
    default: break;
    }
    // SDL names a key by what it types in the keyboard's layout, so AZERTY's and QWERTZ's letters come out
    // right. Held with Ctrl, Alt or the logo key it types nothing: a shortcut is not a letter.
    if (key.sym >= SDLK_a && key.sym <= SDLK_z && (key.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI)) == 0)
        return KeyLetterA + static_cast<uint32_t>(key.sym - SDLK_a);
    return KeyOther;
}

// A position in the window's pixels as the program's client coordinates, x in the low 16 bits, y in the high.
static uint32_t ClientPosition(int x, int y)
{
    return static_cast<uint32_t>(static_cast<uint16_t>(x)) | static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16;
}

// SDL gives a finger's position as fractions of the window's size; in the window's pixels it is where SDL would
// put the pointer it makes up for that finger.
static uint32_t FingerPosition(const SDL_TouchFingerEvent& finger)
{
    int width = 0;
    int height = 0;
    GetClientSize(TheMainWindow(), &width, &height);
    if (SDL_Window* window = SdlWindowOf(TheMainWindow())) SDL_GetWindowSize(window, &width, &height);
    const int x = SDL_clamp(static_cast<int>(finger.x * static_cast<float>(width)), 0, width - 1);
    const int y = SDL_clamp(static_cast<int>(finger.y * static_cast<float>(height)), 0, height - 1);
    return ClientPosition(x, y);
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
    // SDL also reports a finger as a pointer that moves there and presses: those are dropped, so that a tap
    // is a tap and not also a move and a click.
    case SDL_MOUSEMOTION:
        if (event.motion.which == SDL_TOUCH_MOUSEID) break;
        message.Kind = MessageMouseMove;
        message.Second = ClientPosition(event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.which == SDL_TOUCH_MOUSEID) break;
        if (event.button.button == SDL_BUTTON_LEFT) {
            message.Kind = MessageLeftButtonDown;
            message.Second = ClientPosition(event.button.x, event.button.y);
        }
        break;
    // A tap counts when the finger lands, as a click counts when the button goes down: where the finger
    // lands is the letter the child aimed at, wherever it slides before it lifts.
    case SDL_FINGERDOWN:
        if (IsScreenTouch(event.tfinger.touchId)) {
            message.Kind = MessageTap;
            message.Second = FingerPosition(event.tfinger);
        }
        break;
    default:
        break;
    }
    return message;
}

bool MessageWaiting()
{
    if (QuitRequested()) return true;
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
}

bool TakeMessage(WindowMessage* message)
{
    if (QuitRequested()) {
        *message = {TheMainWindow(), MessageQuit, 0, 0};
        return false;
    }
    SDL_Event event;
    if (SDL_WaitEvent(&event) == 0) {
        // The event system itself has failed: nothing more can arrive, so end rather than hang.
        *message = {TheMainWindow(), MessageQuit, 0, 0};
        return false;
    }
    *message = Translate(event);
    return true;
}
