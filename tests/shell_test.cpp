// shell_test.cpp -- the window position, the frame pacing, the menu grid and the window procedure's
// handling of keys, hovers and clicks.
#include <gtest/gtest.h>
#include <unistd.h>
#include <SDL.h>
#include "app/App.h"
#include "doubles/Doubles.h"
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

TEST(WindowPosition, TheClientAreaIs742By523)
{
    int width = 0;
    int height = 0;
    ClientSizeForWindow(WindowWidth, WindowHeight + GetSystemMetric(MetricCaptionHeight), &width, &height);
    EXPECT_EQ(width, 742);
    EXPECT_EQ(height, 523);
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
        HoverCell = 0;
        MenuEnterTick = 1000;
        FakeTick = 1000;
    }
    static void Send(MessageKind kind, uint32_t x, uint32_t y, uint32_t key = 0)
    {
        MainWindowProcedure({nullptr, kind, key, x | y << 16});
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

TEST_F(MenuMouse, TheFirstLetterReachedIsSilentWhenItIsA)
{
    FakeTick = 5000;
    Send(MessageMouseMove, 80, 58);  // HoverCell starts at 0, which is A
    EXPECT_TRUE(SentSoundCommands.empty());
    Send(MessageMouseMove, 700, 58);  // on no letter: the cell is kept
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
    ASSERT_TRUE(RegisterWindowClass("Win OpenGL", MainWindowProcedure, nullptr));
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
    EXPECT_EQ(HoverCell, 0);
    SDL_Quit();
}
