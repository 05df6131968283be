// EventsSdl.cpp -- where the window's messages come from in the program: SDL's events, as the person at the
// screen makes them. quillora-trace links a script of its own in this place.
#include "platform/WindowSdl.h"

void StartPlatform(int, char**)
{
    // The program takes no options.
}

static WindowMessage Translate(const SDL_Event& event)
{
    WindowMessage message{TheMainWindow(), MessageOther, 0, 0};
    auto position = [](int x, int y) {
        return static_cast<uint32_t>(static_cast<uint16_t>(x)) | static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16;
    };
    auto keyCode = [](SDL_Keycode key) -> uint32_t {
        switch (key) {
        case SDLK_LEFT: return KeyArrowLeft;
        case SDLK_UP: return KeyArrowUp;
        case SDLK_RIGHT: return KeyArrowRight;
        case SDLK_DOWN: return KeyArrowDown;
        default: return KeyOther;
        }
    };
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
        message.First = keyCode(event.key.keysym.sym);
        break;
    case SDL_MOUSEMOTION:
        message.Kind = MessageMouseMove;
        message.Second = position(event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) {
            message.Kind = MessageLeftButtonDown;
            message.Second = position(event.button.x, event.button.y);
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
