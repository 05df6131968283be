// Window.h -- what the program's own code asks of the window system: the window and its messages, the OpenGL
// binding, full screen, the frame's presentation and the message box. No SDL type crosses this header.
// Where messages come from and how a finished frame is shown are chosen per program at link time (Events.h,
// Present.h); everything here is the platform's own.
#pragma once
#include <cstdint>

// The client area the program always sees, whatever the window's size on the screen: the menu grid, the
// projection and the platform's scaled picture all count in it.
constexpr int ClientAreaWidth = 742;
constexpr int ClientAreaHeight = 523;

struct PlatformWindow;
using WindowHandle = PlatformWindow*;  // also what OpenGL draws to: the window has no separate device context
using RenderHandle = void*;            // an OpenGL context

enum MessageKind {
    MessageCreate,          // sent from inside CreateMainWindow
    MessageSize,            // First: client width, Second: client height; also when the window's size changed
                            // and the picture with it, though the client size stays
    MessagePaint,
    MessageClose,           // the close box
    MessageDestroy,         // sent from inside DestroyMainWindow
    MessageKeyDown,         // First: key code; Second: KeyWasDown when the key is held and repeats
    MessageKeyUp,           // First: key code
    MessageMouseMove,       // Second: client x in the low 16 bits, y in the high 16 bits; only over the picture
    MessageLeftButtonDown,  // Second: as for MessageMouseMove
    MessageTap,             // a finger touched the screen; Second: as for MessageMouseMove
    MessageQuit,            // the quit request; never dispatched
    MessageOther            // anything else the window system says
};

// The window system's key codes: a letter key is the code of its capital letter, the letter it types in the
// keyboard's layout (so the key that types "a" on a French keyboard is KeyLetterA).
enum KeyCode : uint32_t {
    KeyOther = 0,
    KeyEscape = 0x1B,
    KeySpace = 0x20,
    KeyArrowLeft = 0x25,
    KeyArrowUp = 0x26,
    KeyArrowRight = 0x27,
    KeyArrowDown = 0x28,
    KeyLetterA = 'A',
    KeyLetterZ = 'Z',
    KeyF11 = 0x7A
};
// In a key-down message's Second: the key was already down, and this press is the keyboard's repeat.
constexpr uint32_t KeyWasDown = 1u << 30;

struct WindowMessage {
    WindowHandle Window;
    MessageKind Kind;
    uint32_t First;
    uint32_t Second;
};

using WindowProcedure = int32_t (*)(const WindowMessage&);

// The pixel format the program asks for; what it leaves out is zero.
struct PixelFormatRequest {
    bool DrawToWindow;
    bool SupportOpenGL;
    bool DoubleBuffer;
    bool Rgba;
    uint8_t ColourBits;
    uint8_t DepthBits;
    uint8_t StencilBits;
};

// Starts the window system and remembers the window procedure and the icon file; false if there is no display.
bool RegisterWindowClass(WindowProcedure procedure, const char* iconFile);
// Why the last platform call failed, as one line.
const char* PlatformErrorText();
// The screen's width and height in pixels.
void GetScreenSize(int* width, int* height);
// Makes the window with its client area's top left corner at (x, y); the procedure gets MessageCreate, then
// MessageSize, before this returns. Whatever size the window has, the program sees the client area.
WindowHandle CreateMainWindow(const char* caption, int x, int y);
void ShowMainWindow(WindowHandle window);
// Sends MessagePaint.
void UpdateMainWindow(WindowHandle window);
// Sends MessageDestroy and takes the window off the screen.
void DestroyMainWindow(WindowHandle window);

// Hands a message to the window procedure and returns its result.
int32_t DispatchWindowMessage(const WindowMessage& message);
// What the window system does with a message the procedure does not handle.
int32_t DefaultWindowProcedure(const WindowMessage& message);
// Queues the quit request; the exit code is kept for the program's end.
void PostQuitRequest(int exitCode);
// The exit code of the quit request that was posted (0 when none was).
int QuitExitCode();

// The best format for the request, numbered from 1; 0 when none matches.
int ChoosePixelFormat(WindowHandle window, const PixelFormatRequest& request);
// Gives the window that format; false when it cannot.
bool SetPixelFormat(WindowHandle window, int format);
RenderHandle CreateRenderContext(WindowHandle window);
bool MakeRenderContextCurrent(WindowHandle window, RenderHandle context);
void DeleteRenderContext(RenderHandle context);

// Whether the window fills the screen, and making it do so or come back to its size; a kiosk's window never
// comes back (WindowSdl.h).
bool IsFullScreen(WindowHandle window);
void SetFullScreen(WindowHandle window, bool fullScreen);
// Holds the screen saver and the display's power saving off while awake is true: while a scene plays, which
// lasts under a minute and ignores input. Otherwise the screen may sleep as the desktop says.
void KeepScreenAwake(bool awake);
// Before a frame is drawn: a window made larger than any screen meanwhile, where no window manager keeps it
// within that, is asked back now rather than when its size message comes after the frame.
void ReadyWindowForFrame(WindowHandle window);
// Shows the frame just drawn: stretched where it was drawn smaller, black bars beside it, then on the screen.
void PresentFrame(WindowHandle window);

// A modal box with an OK button, where the window system can show one; the caller says the same on standard
// error. Every box the program shows is an error that ends it with exit code 1, so a termination signal while
// the box waits ends the program with 1 too, as pressing OK would.
void ShowMessageBox(const char* text, const char* caption);
