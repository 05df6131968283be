// shell_test.cpp -- the window position and start scale, the scaled picture and the pointer's way back from it,
// the frame pacing, the menu grid and the window procedure's handling of keys, hovers, clicks and taps, from its
// messages and from the window system's own events.
#include <gtest/gtest.h>
#include <unistd.h>
#include <SDL.h>
#include "app/App.h"
#include "doubles/Doubles.h"
#include "platform/Events.h"
#include "platform/WindowPicture.h"
#include "world/World.h"

TEST(WindowPosition, CentresTheOuterWindowWithTruncation)
{
    int x = 0;
    int y = 0;
    CentredWindowPosition(1024, 768, &x, &y);
    EXPECT_EQ(x, 137);
    EXPECT_EQ(y, 109);
    CentredWindowPosition(1920, 1081, &x, &y);
    EXPECT_EQ(x, 585);
    EXPECT_EQ(y, 265);
    CentredWindowPosition(640, 480, &x, &y);  // a screen smaller than the window: truncated toward zero
    EXPECT_EQ(x, -55);
    EXPECT_EQ(y, -35);
}

constexpr DrawingLimit Uncapped = {1L << 40, 1L << 40};

// The client position under a window position, or (-1, -1) where the client area is not.
static std::pair<int, int> Under(const PictureGeometry& geometry, int x, int y)
{
    int clientX = -1;
    int clientY = -1;
    if (!ClientPointAt(geometry, x, y, &clientX, &clientY)) return {-1, -1};
    return {clientX, clientY};
}

TEST(ScaledPicture, TheClientAreaFillsTheWindowAtItsOwnSizeAndTwiceIt)
{
    const PictureGeometry own = FitPicture(742, 523, 742, 523, 742, 523, Uncapped);
    EXPECT_TRUE(ShownAtOwnSize(own));
    EXPECT_EQ(Under(own, 0, 0), std::make_pair(0, 0));
    EXPECT_EQ(Under(own, 741, 522), std::make_pair(741, 522));
    EXPECT_EQ(Under(own, 742, 100), std::make_pair(-1, -1));  // off the window, as while a button is held
    EXPECT_EQ(Under(own, -1, 100), std::make_pair(-1, -1));

    const PictureGeometry twice = FitPicture(1484, 1046, 1484, 1046, 742, 523, Uncapped);
    EXPECT_FALSE(ShownAtOwnSize(twice));
    EXPECT_EQ(twice.Shown.Width, 1484);
    EXPECT_EQ(Under(twice, 160, 116), std::make_pair(80, 58));
    EXPECT_EQ(Under(twice, 1483, 1045), std::make_pair(741, 522));

    // HiDPI: a window of 742 x 523 points with twice the pixels; pointer positions come in points.
    const PictureGeometry dense = FitPicture(742, 523, 1484, 1046, 742, 523, Uncapped);
    EXPECT_EQ(dense.Shown.Width, 1484);
    EXPECT_EQ(Under(dense, 80, 58), std::make_pair(80, 58));
    EXPECT_EQ(Under(dense, 741, 522), std::make_pair(741, 522));
}

TEST(ScaledPicture, BarsBesideOrAboveThePictureAreOnNoLetter)
{
    // A 1920 x 1080 screen: the picture 1532 x 1080 (742 x 523 times 2.065, rounded), 194 columns of bar each side.
    const PictureGeometry wide = FitPicture(1920, 1080, 1920, 1080, 742, 523, Uncapped);
    EXPECT_EQ(wide.Shown.X, 194);
    EXPECT_EQ(wide.Shown.Y, 0);
    EXPECT_EQ(wide.Shown.Width, 1532);
    EXPECT_EQ(wide.Shown.Height, 1080);
    EXPECT_EQ(Under(wide, 193, 500), std::make_pair(-1, -1));
    EXPECT_EQ(Under(wide, 194, 0), std::make_pair(0, 0));
    EXPECT_EQ(Under(wide, 1725, 1079), std::make_pair(741, 522));
    EXPECT_EQ(Under(wide, 1726, 500), std::make_pair(-1, -1));
    const auto [ax, ay] = Under(wide, 359, 120);  // the middle of the big A
    EXPECT_EQ(LetterCellAt(static_cast<uint32_t>(ax), static_cast<uint32_t>(ay)), 0);

    // A window taller than the picture's shape: bars above and below, the odd row below (OpenGL counts up).
    const PictureGeometry tall = FitPicture(742, 800, 742, 800, 742, 523, Uncapped);
    EXPECT_EQ(tall.Shown.Y, 138);
    EXPECT_EQ(Under(tall, 10, 138), std::make_pair(-1, -1));
    EXPECT_EQ(Under(tall, 10, 139), std::make_pair(10, 0));
    EXPECT_EQ(Under(tall, 10, 661), std::make_pair(10, 522));
    EXPECT_EQ(Under(tall, 10, 662), std::make_pair(-1, -1));

    // A window shrunk to nothing shows nothing and maps nothing.
    EXPECT_EQ(Under(FitPicture(0, 0, 0, 0, 742, 523, Uncapped), 0, 0), std::make_pair(-1, -1));
}

TEST(ScaledPicture, AVeryLargePictureIsDrawnWithFewerPixelsAndStretched)
{
    const long cap = 1532L * 1080L;
    const DrawingLimit limit = {4500000, cap};
    const PictureGeometry full = FitPicture(2560, 1440, 2560, 1440, 742, 523, limit);
    EXPECT_EQ(full.Drawn.X, full.Shown.X);  // within the limit: drawn where it is shown
    EXPECT_EQ(full.Drawn.Width, full.Shown.Width);
    EXPECT_GT(static_cast<long>(full.Drawn.Width) * full.Drawn.Height, cap);
    const PictureGeometry huge = FitPicture(3840, 2160, 3840, 2160, 742, 523, limit);
    EXPECT_EQ(huge.Shown.X, 388);
    EXPECT_EQ(huge.Shown.Width, 3064);
    EXPECT_EQ(huge.Drawn.X, 0);
    EXPECT_EQ(huge.Drawn.Y, 0);
    EXPECT_LE(static_cast<long>(huge.Drawn.Width) * huge.Drawn.Height, cap);
    EXPECT_NEAR(static_cast<double>(huge.Drawn.Width) / huge.Drawn.Height, 742.0 / 523.0, 0.002);
    EXPECT_GE(huge.Drawn.Width, 1530);
}

TEST(WindowPosition, TheStartSizeKeepsItsSizeOnHiDpiScreens)
{
    EXPECT_EQ(StartWindowScale({1920, 1080, 1920, 1050, 0}, 742, 523), 1);
    EXPECT_EQ(StartWindowScale({2560, 1440, 2560, 1400, 96}, 742, 523), 1);
    EXPECT_EQ(StartWindowScale({3840, 2160, 3840, 2100, 0}, 742, 523), 2);  // the panel does not count
    EXPECT_EQ(StartWindowScale({2560, 1600, 2560, 1560, 192}, 742, 523), 2);  // the desktop's density
    EXPECT_EQ(StartWindowScale({2880, 1800, 2880, 1760, 220}, 742, 523), 2);
    EXPECT_EQ(StartWindowScale({7680, 4320, 7680, 4280, 0}, 742, 523), 4);
    EXPECT_EQ(StartWindowScale({1366, 768, 1366, 740, 192}, 742, 523), 1);  // twice would not fit
    EXPECT_EQ(StartWindowScale({3000, 2000, 3000, 1960, 288}, 742, 523), 3);
}

TEST(FramePacing, TheFirstFrameIsNotDelayedAndLaterOnesWait90Ms)
{
    FramePacing pacing{0, false};
    FakeTick = 50;
    FakeSleptMs = 0;
    WaitForNextFrame(pacing);
    EXPECT_EQ(FakeSleptMs, 0u);
    EXPECT_EQ(pacing.PreviousFrameTick, 50u);

    FakeTick = 100;  // 50 ms later
    WaitForNextFrame(pacing);
    EXPECT_EQ(FakeTick, 140u);
    EXPECT_EQ(pacing.PreviousFrameTick, 140u);

    FakeTick = 400;  // a slow frame: the next starts at once
    FakeSleptMs = 0;
    WaitForNextFrame(pacing);
    EXPECT_EQ(FakeSleptMs, 0u);
}

TEST(FramePacing, ATickWrapNeitherStallsNorHurries)
{
    FramePacing pacing{0xFFFFFFF0u, true};
    EXPECT_EQ(FrameWaitRemaining(pacing, 0xFFFFFFF0u + 10u), 80u);
    EXPECT_EQ(FrameWaitRemaining(pacing, 0x00000030u), 26u);  // 64 ms have passed across the wrap
    EXPECT_EQ(FrameWaitRemaining(pacing, 0x0000004Au), 0u);
    FakeTick = 0x00000010u;
    WaitForNextFrame(pacing);
    EXPECT_EQ(FakeTick, 0x0000004Au);
}

TEST(MenuGrid, FindsTheLetterUnderTheMouse)
{
    EXPECT_EQ(LetterCellAt(31, 116), 0);
    EXPECT_EQ(LetterCellAt(30, 116), -1);
    EXPECT_EQ(LetterCellAt(641, 50), -1);
    EXPECT_EQ(LetterCellAt(640, 50), 5);
    EXPECT_EQ(LetterCellAt(130, 117), 6);
    EXPECT_EQ(LetterCellAt(131, 117), 7);
    EXPECT_EQ(LetterCellAt(226, 433), -1);  // row 4 has only Y and Z
    EXPECT_EQ(LetterCellAt(200, 500), 25);
    EXPECT_EQ(LetterCellAt(100, 522), 24);
    EXPECT_EQ(LetterCellAt(100, 523), -1);    // below the client area
    EXPECT_EQ(LetterCellAt(100, 65535), -1);  // above it
    EXPECT_EQ(LetterCellAt(421, 327), 22);
    EXPECT_EQ(LetterCellAt(65535, 0), -1);
}

TEST(MenuGrid, VAndWShareAScene)
{
    EXPECT_EQ(SceneForCell(0), 0);
    EXPECT_EQ(SceneForCell(21), 21);
    EXPECT_EQ(SceneForCell(22), 21);
    EXPECT_EQ(SceneForCell(23), 22);
    EXPECT_EQ(SceneForCell(25), 24);
}

class MenuMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(chdir(QUILLORA_DATA_DIR), 0);
        ResetFakeSound();
        CurrentScene = MenuScene;
        HoverCell = -1;  // as the program starts: no letter reached yet
        ChosenCell = -1;
        MenuEnterTick = 1000;
        FakeTick = 1000;
    }
    static void Send(MessageKind kind, uint32_t x, uint32_t y, uint32_t key = 0)
    {
        MainWindowProcedure({nullptr, kind, key, x | y << 16});
    }
    static void Press(char letter, uint32_t flags = 0)
    {
        MainWindowProcedure({nullptr, MessageKeyDown, KeyLetterA + static_cast<uint32_t>(letter - 'A'), flags});
        MainWindowProcedure({nullptr, MessageKeyUp, KeyLetterA + static_cast<uint32_t>(letter - 'A'), 0});
    }
    static std::vector<std::string> Name(char letter)
    {
        return {"close soundx", std::string("open laut2") + static_cast<char>(letter - 'A' + 'a') + ".wav alias soundx",
                "play soundx"};
    }
    // The window system's own events, pushed into its queue, taken and translated as the program takes them.
    static std::vector<WindowMessage> TakeAll()
    {
        std::vector<WindowMessage> messages;
        WindowMessage message;
        while (MessageWaiting() && TakeMessage(&message))
            if (message.Kind != MessageOther && message.Kind != MessagePaint) messages.push_back(message);
        return messages;
    }
};

TEST_F(MenuMouse, NamesAreQuietForTheFirst1500MsButTheCellIsRemembered)
{
    FakeTick = 1000 + 1500;
    Send(MessageMouseMove, 178, 58);  // B, exactly 1500 ms: still quiet
    EXPECT_TRUE(SentSoundCommands.empty());
    EXPECT_EQ(HoverCell, 1);
    FakeTick = 1000 + 1501;
    Send(MessageMouseMove, 180, 60);  // still B: nothing new to say
    EXPECT_TRUE(SentSoundCommands.empty());
    Send(MessageMouseMove, 275, 58);  // C
    EXPECT_EQ(SentSoundCommands,
              (std::vector<std::string>{"close soundx", "open laut2c.wav alias soundx", "play soundx"}));
}

TEST_F(MenuMouse, TheFirstLetterReachedIsNamedEvenWhenItIsA)
{
    FakeTick = 5000;
    Send(MessageMouseMove, 80, 58);  // A, the first letter the mouse reaches
    EXPECT_EQ(SentSoundCommands, Name('A'));
    SentSoundCommands.clear();
    Send(MessageMouseMove, 700, 58);  // on no letter: the cell is kept
    Send(MessageMouseMove, 82, 60);   // so A again has nothing new to say
    EXPECT_TRUE(SentSoundCommands.empty());
    Send(MessageMouseMove, 178, 480);
    Send(MessageMouseMove, 80, 58);
    EXPECT_EQ(SentSoundCommands.size(), 6u);
    EXPECT_EQ(SentSoundCommands[1], "open laut2z.wav alias soundx");
    EXPECT_EQ(SentSoundCommands[4], "open laut2a.wav alias soundx");
}

TEST_F(MenuMouse, AClickOpensTheLettersSceneAndLaterMouseMessagesAreIgnored)
{
    CueStarted = true;
    SceneTick = 7;
    FakeTick = 5000;
    Send(MessageLeftButtonDown, 480, 379);  // W
    EXPECT_EQ(CurrentScene, 21);
    EXPECT_FALSE(CueStarted);
    EXPECT_EQ(SceneTick, 0);
    ASSERT_GE(SentSoundCommands.size(), 3u);
    EXPECT_EQ(SentSoundCommands[0], "close sound");
    EXPECT_EQ(SentSoundCommands[1], "stop soundx");
    EXPECT_EQ(SentSoundCommands[2], "open auto.wav alias auto");
    EXPECT_EQ(FigureX, -10);  // V and W's start

    const size_t sent = SentSoundCommands.size();
    Send(MessageMouseMove, 80, 58);
    Send(MessageLeftButtonDown, 80, 58);
    EXPECT_EQ(CurrentScene, 21);
    EXPECT_EQ(SentSoundCommands.size(), sent);
}

TEST_F(MenuMouse, AClickOffTheLettersDoesNothing)
{
    Send(MessageLeftButtonDown, 700, 300);
    Send(MessageLeftButtonDown, 300, 500);
    EXPECT_EQ(CurrentScene, MenuScene);
    EXPECT_TRUE(SentSoundCommands.empty());
}

TEST_F(MenuMouse, ArrowKeysOnlySetTheirFlags)
{
    Send(MessageKeyDown, 0, 0, KeyArrowLeft);
    Send(MessageKeyDown, 0, 0, KeyArrowDown);
    Send(MessageKeyDown, 0, 0, KeyOther);
    Send(MessageKeyDown, 0, 0, KeyF11);
    EXPECT_TRUE(KeyLeft);
    EXPECT_TRUE(KeyDown);
    EXPECT_FALSE(KeyUp);
    EXPECT_FALSE(KeyRight);
    Send(MessageKeyUp, 0, 0, KeyArrowLeft);
    EXPECT_FALSE(KeyLeft);
    EXPECT_EQ(CurrentScene, MenuScene);
    EXPECT_TRUE(SentSoundCommands.empty());
}

// The window system's own events: a button held off the letters, then dragged beside, below and above the
// window. Above arrives as y = 65535 and less, which the grid's last row would otherwise take.
TEST_F(MenuMouse, ADragOutsideTheWindowSpeaksNothing)
{
    ASSERT_TRUE(RegisterWindowClass(MainWindowProcedure, nullptr));
    FakeTick = 5000;
    auto push = [](Uint32 type, int x, int y) {
        SDL_Event event{};
        event.type = type;
        if (type == SDL_MOUSEBUTTONDOWN) {
            event.button.button = SDL_BUTTON_LEFT;
            event.button.state = SDL_PRESSED;
            event.button.x = x;
            event.button.y = y;
        } else {
            event.motion.state = SDL_BUTTON_LMASK;
            event.motion.x = x;
            event.motion.y = y;
        }
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    };
    push(SDL_MOUSEBUTTONDOWN, 700, 300);  // beside the letters: nothing
    push(SDL_MOUSEMOTION, 80, -20);       // above Y's column
    push(SDL_MOUSEMOTION, 178, -1);       // above Z's
    push(SDL_MOUSEMOTION, 178, 600);      // below Z
    push(SDL_MOUSEMOTION, -30, 480);      // left of Y
    push(SDL_MOUSEMOTION, 900, 58);       // right of the window
    int handled = 0;
    WindowMessage message;
    while (MessageWaiting() && TakeMessage(&message)) {
        DispatchWindowMessage(message);
        handled++;
    }
    EXPECT_GE(handled, 6);
    EXPECT_TRUE(SentSoundCommands.empty());
    EXPECT_EQ(CurrentScene, MenuScene);
    EXPECT_EQ(HoverCell, -1);
    SDL_Quit();
}

// A tap or a letter key names its letter at once, quiet period or not; the same letter again opens it.
// Holding a key, tapping beside the letters or pressing another key chooses nothing.
TEST_F(MenuMouse, ATapOrALetterKeyNamesTheLetterAndTheSameLetterAgainOpensIt)
{
    Press('B');  // 0 ms after the menu appeared
    EXPECT_EQ(SentSoundCommands, Name('B'));
    EXPECT_EQ(HoverCell, -1);  // the mouse's cell is the mouse's
    SentSoundCommands.clear();
    Press('B', KeyWasDown);  // the keyboard's repeat of a held key
    Send(MessageTap, 700, 300);
    Send(MessageKeyDown, 0, 0, KeyArrowUp);
    EXPECT_TRUE(SentSoundCommands.empty());
    Send(MessageTap, 275, 58);  // C: another letter names it instead
    Press('B');
    Press('C');
    EXPECT_EQ(SentSoundCommands.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(SentSoundCommands.begin() + 6, SentSoundCommands.end()), Name('C'));
    EXPECT_EQ(CurrentScene, MenuScene);
    SentSoundCommands.clear();
    Send(MessageTap, 290, 100);  // C again, anywhere in its cell
    EXPECT_EQ(CurrentScene, 2);
    ASSERT_GE(SentSoundCommands.size(), 3u);
    EXPECT_EQ(SentSoundCommands[0], "close sound");
    EXPECT_EQ(SentSoundCommands[1], "stop soundx");
    EXPECT_EQ(ChosenCell, -1);  // the set-up starts afresh

    const size_t sent = SentSoundCommands.size();
    Press('C');  // during the scene: nothing, as for the mouse
    Press('C');
    Send(MessageTap, 275, 58);
    Send(MessageTap, 275, 58);
    EXPECT_EQ(CurrentScene, 2);
    EXPECT_EQ(SentSoundCommands.size(), sent);
}

// W opens the scene V and W share, with the same commands and set-up as a click on W.
TEST_F(MenuMouse, TheSecondPressOfALetterOpensItsSceneAsAClickDoes)
{
    FakeTick = 5000;
    CueStarted = true;
    SceneTick = 7;
    Send(MessageLeftButtonDown, 480, 379);
    const std::vector<std::string> clicked = SentSoundCommands;
    ASSERT_EQ(CurrentScene, 21);

    SetUp();
    FakeTick = 5000;
    CueStarted = true;
    SceneTick = 7;
    FigureX = 99;
    Press('W');
    SentSoundCommands.clear();
    Press('W');
    EXPECT_EQ(SentSoundCommands, clicked);
    EXPECT_EQ(CurrentScene, 21);
    EXPECT_FALSE(CueStarted);
    EXPECT_EQ(SceneTick, 0);
    EXPECT_EQ(FigureX, -10);
}

// The mouse keeps its own rules; moving it onto another letter forgets the tapped or pressed one.
TEST_F(MenuMouse, AMouseMoveOntoAnotherLetterForgetsTheChosenOne)
{
    FakeTick = 5000;
    Press('B');
    Send(MessageMouseMove, 178, 58);  // onto B itself: named as the mouse always names it, still chosen
    Send(MessageMouseMove, 180, 60);
    Press('B');
    EXPECT_EQ(CurrentScene, 1);

    SetUp();
    FakeTick = 1200;  // within the quiet period: the mouse names nothing, but it has moved on all the same
    Press('B');
    Send(MessageMouseMove, 275, 58);
    EXPECT_EQ(SentSoundCommands, Name('B'));
    EXPECT_EQ(HoverCell, 2);
    Press('B');
    EXPECT_EQ(CurrentScene, MenuScene);
    EXPECT_EQ(SentSoundCommands.size(), 6u);
}

static void PushKey(Uint32 type, SDL_Keycode key, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN, Uint16 modifiers = 0,
                    Uint8 repeat = 0)
{
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = scancode;
    event.key.keysym.mod = modifiers;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

// A touch screen's finger, with the pointer SDL makes up for it: the pointer moves there and presses, or lets go.
static void PushFinger(Uint32 type, float x, float y, SDL_TouchID device = 7)
{
    SDL_Event event{};
    event.type = type;
    event.tfinger.touchId = device;
    event.tfinger.fingerId = 1;
    event.tfinger.x = x;
    event.tfinger.y = y;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    if (device == SDL_MOUSE_TOUCHID) return;
    const Sint32 pointerX = static_cast<Sint32>(x * 742);
    const Sint32 pointerY = static_cast<Sint32>(y * 523);
    if (type == SDL_FINGERDOWN) {
        event = {};
        event.motion = {SDL_MOUSEMOTION, 0, 0, SDL_TOUCH_MOUSEID, 0, pointerX, pointerY, 0, 0};
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }
    event = {};
    event.button = {type == SDL_FINGERDOWN ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, 0, 0, SDL_TOUCH_MOUSEID,
                    SDL_BUTTON_LEFT, static_cast<Uint8>(type == SDL_FINGERDOWN ? SDL_PRESSED : SDL_RELEASED), 1, 0,
                    pointerX, pointerY};
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

// The letter a key types is what counts, whatever its place (on a French keyboard the key where Q is on an
// English one types "a"); held with Ctrl it is a shortcut, and its repeats say so.
TEST_F(MenuMouse, KeyEventsArriveAsTheLettersTheyType)
{
    ASSERT_TRUE(RegisterWindowClass(MainWindowProcedure, nullptr));
    PushKey(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_Q);
    PushKey(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_Q, 0, 1);
    PushKey(SDL_KEYUP, SDLK_a, SDL_SCANCODE_Q);
    PushKey(SDL_KEYDOWN, SDLK_z, SDL_SCANCODE_Y, KMOD_LSHIFT);
    PushKey(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q, KMOD_LCTRL);
    PushKey(SDL_KEYDOWN, SDLK_F11, SDL_SCANCODE_F11);
    PushKey(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT);
    PushKey(SDL_KEYDOWN, SDLK_1, SDL_SCANCODE_1);
    const std::vector<WindowMessage> messages = TakeAll();
    const std::vector<std::vector<uint32_t>> expected = {
        {MessageKeyDown, KeyLetterA, 0}, {MessageKeyDown, KeyLetterA, KeyWasDown}, {MessageKeyUp, KeyLetterA, 0},
        {MessageKeyDown, KeyLetterZ, 0}, {MessageKeyDown, KeyOther, 0},           {MessageKeyDown, KeyF11, 0},
        {MessageKeyDown, KeyArrowLeft, 0}, {MessageKeyDown, KeyOther, 0}};
    std::vector<std::vector<uint32_t>> got;
    for (const WindowMessage& message : messages) got.push_back({message.Kind, message.First, message.Second});
    EXPECT_EQ(got, expected);
    SDL_Quit();
}

// The pointer SDL makes up for a finger moves onto the letter and presses it in the same moment: taken as the
// mouse, the name would begin and stop at once. The finger alone is the tap; one SDL makes up from the mouse is
// none.
TEST_F(MenuMouse, AFingerIsATapAndNeitherAMoveNorAClick)
{
    ASSERT_TRUE(RegisterWindowClass(MainWindowProcedure, nullptr));
    CreateMainWindow("Brenvik Quillora", 0, 0);
    ASSERT_NE(RenderContext, nullptr);
    FakeTick = 5000;
    PushFinger(SDL_FINGERDOWN, 178.5f / 742, 58.5f / 523);  // B
    PushFinger(SDL_FINGERUP, 178.5f / 742, 58.5f / 523);
    PushFinger(SDL_FINGERDOWN, 275.0f / 742, 58.0f / 523, SDL_MOUSE_TOUCHID);  // C, from the mouse
    std::vector<WindowMessage> messages = TakeAll();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Kind, MessageTap);
    EXPECT_EQ(messages[0].Second, 178u | 58u << 16);
    DispatchWindowMessage(messages[0]);
    EXPECT_EQ(SentSoundCommands, Name('B'));
    EXPECT_EQ(HoverCell, -1);

    PushFinger(SDL_FINGERDOWN, 0.999f, 1.0f);  // the window's last pixel, not one past it
    PushFinger(SDL_FINGERDOWN, 190.0f / 742, 70.0f / 523);  // B again
    messages = TakeAll();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].Second, 741u | 522u << 16);
    for (const WindowMessage& message : messages) DispatchWindowMessage(message);
    EXPECT_EQ(CurrentScene, 1);

    DeleteRenderContext(RenderContext);
    RenderContext = nullptr;
    SDL_Quit();
}
