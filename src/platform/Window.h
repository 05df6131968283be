// Window.h -- the window, its messages, the OpenGL binding and the message box.
// The program's view of the windowing system. No SDL type crosses this header.
#pragma once
#include <cstdint>
#include "platform/PictureFit.h"

struct PlatformWindow;
using WindowHandle = PlatformWindow*;
using DeviceHandle = PlatformWindow*;  // the window's drawing surface; one per window
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

enum SystemMetricIndex { MetricScreenWidth, MetricScreenHeight, MetricCaptionHeight };

// The pixel format the program asks for; fields it leaves out are zero.
struct PixelFormatRequest {
    uint16_t Size;
    uint16_t Version;
    bool DrawToWindow;
    bool SupportOpenGL;
    bool DoubleBuffer;
    bool Rgba;
    uint8_t ColourBits;
    uint8_t AccumulationBits;
    uint8_t DepthBits;
    uint8_t StencilBits;
    uint32_t LayerMask;
};

// Starts the window system and remembers the window procedure and the icon file; false if there is no display.
bool RegisterWindowClass(const char* className, WindowProcedure procedure, const char* iconFile);
// Why the last platform call failed, as one line.
const char* PlatformErrorText();
// Screen width and height in pixels, or the caption bar height of a window.
int GetSystemMetric(SystemMetricIndex index);
// The client size of a window of the given outer size with a caption and a fixed frame.
void ClientSizeForWindow(int outerWidth, int outerHeight, int* clientWidth, int* clientHeight);
// How the window starts, set before it is made: full screen, or a window (the default). A window's size in
// pixels; 0 x 0 (the default) is the client size, scaled for a HiDPI screen (StartWindowScale).
void SetStartFullScreen(bool fullScreen);
void SetStartWindowSize(int width, int height);
// Makes the window; the procedure gets MessageCreate, then MessageSize, before this returns. Whatever size the
// window has, on the screen or later, the program sees a client area of the size it asked for here: the window
// shows its picture scaled to fit, centred between black bars, and maps pointer positions back.
WindowHandle CreateMainWindow(const char* caption, int x, int y, int outerWidth, int outerHeight);
// Full screen to a window and back (the F11 key).
void ToggleFullScreen(WindowHandle window);
// Where a frame of the client area (width x height) is drawn on the window's surface now: (0, 0, width, height)
// at the window's own size. It changes only when a MessageSize says so.
PictureArea PictureDrawingArea(int width, int height);
void ShowMainWindow(WindowHandle window);
// Sends MessagePaint.
void UpdateMainWindow(WindowHandle window);
// Sends MessageDestroy and takes the window off the screen.
void DestroyMainWindow(WindowHandle window);
void GetClientSize(WindowHandle window, int* width, int* height);

// Takes the command line before anything else starts: the program's --fullscreen or --window; for anything
// else it says which options it takes and ends the program with 2.
void StartPlatform(int argc, char** argv);

// True when a message waits; looks without removing it.
bool MessageWaiting();
// Takes the next message, waiting for one; false when it is the quit request.
bool TakeMessage(WindowMessage* message);
// Hands a message to the window procedure and returns its result.
int32_t DispatchWindowMessage(const WindowMessage& message);
// What the window system does with a message the procedure does not handle.
int32_t DefaultWindowProcedure(const WindowMessage& message);
// Queues the quit request; the exit code is kept for the program's end.
void PostQuitRequest(int exitCode);
// The exit code of the quit request that was posted (0 when none was).
int QuitExitCode();

DeviceHandle GetDeviceContext(WindowHandle window);
void ReleaseDeviceContext(WindowHandle window, DeviceHandle device);
// The best format for the request, numbered from 1; 0 when none matches.
int ChoosePixelFormat(DeviceHandle device, const PixelFormatRequest& request);
// Gives the surface that format; false when it cannot.
bool SetPixelFormat(DeviceHandle device, int format, const PixelFormatRequest& request);
RenderHandle CreateRenderContext(DeviceHandle device);
bool MakeRenderContextCurrent(DeviceHandle device, RenderHandle context);
void DeleteRenderContext(RenderHandle context);
// Shows the frame just drawn (stretches it where it was drawn smaller, blackens the bars, swaps the buffers).
void PresentFrame(DeviceHandle device);
// Whether a presented frame stays on show until a paint message says the window lost it, so that a frame
// that would look the same need not be drawn again. A trace answers no: it draws, and may photograph,
// every frame.
bool PresentedFrameStays(DeviceHandle device);

// A modal box with an OK button; falls back to standard error when it cannot be shown.
void ShowMessageBox(const char* text, const char* caption);
