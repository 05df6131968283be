// trace_test.cpp -- quillora-trace itself: repeatable output, its options, its shots, and the menu's
// mouse handling as a script drives it.
#include <gtest/gtest.h>
#include <algorithm>
#include "TraceRun.h"
#include "platform/Image.h"

TEST(Trace, TwoRunsWithTheSameOptionsPrintTheSameBytes)
{
    const std::string options = "--frames 60 --move 178,170@20 --click 80,58@25 --move 275,58@30";
    const TraceRun first = RunTrace(options);
    const TraceRun second = RunTrace(options);
    ASSERT_EQ(first.ExitCode, 0) << first.Errors;
    EXPECT_EQ(first.Output, second.Output);
    EXPECT_EQ(first.Frames.size(), 60u);
    EXPECT_EQ(FrameAt(first, 1).Tick, 10000u);
    EXPECT_EQ(FrameAt(first, 60).Tick, 10000u + 90u * 59u);
}

TEST(Trace, BadOptionsExitWithCode2AndOneLine)
{
    for (const char* options : {"--frames", "--frames ten", "--frames -3", "--bogus", "--move 1,2@0", "--click 1,2",
                                "--move '1;2@3'", "--shot 3", "--shot 0:/tmp/x.png", "--data /no/such/place"}) {
        const TraceRun run = RunTrace(options);
        EXPECT_EQ(run.ExitCode, 2) << options;
        EXPECT_TRUE(run.Output.empty()) << options;
        EXPECT_EQ(std::count(run.Errors.begin(), run.Errors.end(), '\n'), 1) << options << ": " << run.Errors;
    }
}

TEST(Trace, StartUpSoundsCarryFrameZeroAndEventSoundsTheFrameThatFollows)
{
    const TraceRun run = RunTrace("--frames 3 --click 80,58@3");
    ASSERT_FALSE(run.Sounds.empty());
    EXPECT_EQ(run.Sounds[0].Frame, 0);
    EXPECT_EQ(run.Sounds[0].Command, "open auto.wav alias auto");
    EXPECT_EQ(SoundsInFrame(run, 1), MenuCue);
    EXPECT_EQ(SoundsInFrame(run, 3).front(), "close sound");
    EXPECT_EQ(FrameAt(run, 3).Scene, 0);
    // Sound lines come before their frame's line.
    EXPECT_LT(run.Output.find("\"close sound\""), run.Output.find("{\"frame\":3,\"tick\""));
}

TEST(Trace, ALetterIsNamedOnlyAfterTheMenusQuietPeriod)
{
    // Frame 17 is drawn at 11440 ms (1440 after start-up), frame 18 at 11530.
    const TraceRun run = RunTrace("--frames 20 --move 178,58@17 --move 275,58@18 --move 275,60@19 --move 80,58@20");
    EXPECT_TRUE(SoundsInFrame(run, 17).empty());
    EXPECT_EQ(SoundsInFrame(run, 18),
              (std::vector<std::string>{"close soundx", "open laut2c.wav alias soundx", "play soundx"}));
    EXPECT_TRUE(SoundsInFrame(run, 19).empty());
    EXPECT_EQ(SoundsInFrame(run, 20)[1], "open laut2a.wav alias soundx");
}

TEST(Trace, AShotIsTheFrameAsDrawn)
{
    const std::string file = ShotPath("menu");
    const TraceRun run = RunTrace("--frames 2" + ShotOf(2, file));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const Shot shot = LoadShot(file);
    ASSERT_FALSE(shot.Pixels.empty());
    ASSERT_EQ(shot.Width, 742);
    ASSERT_EQ(shot.Height, 523);

    // Left of the figure the menu picture shows unchanged: the client's top row is the picture's row 27.
    ImageRecord picture{};
    OpenDib(&picture, (std::string(QUILLORA_DATA_DIR) + "/startscreen.gif").c_str(), 5, 0);
    ASSERT_EQ(picture.Header->BitCount, 8);
    int compared = 0;
    int colourful = 0;
    for (int y = 0; y < 523; y += 13) {
        for (int x = 0; x < 640; x += 11) {
            const int pictureRow = 550 - 1 - (y + 27);  // bottom row first
            const PaletteEntry& colour = picture.Palette[picture.Pixels[pictureRow * picture.Stride + x]];
            const unsigned char* pixel = shot.Pixels.data() + 3 * (y * shot.Width + x);
            ASSERT_EQ(pixel[0], colour.Red) << x << "," << y;
            ASSERT_EQ(pixel[1], colour.Green) << x << "," << y;
            ASSERT_EQ(pixel[2], colour.Blue) << x << "," << y;
            colourful += colour.Red != colour.Blue;
            compared++;
        }
    }
    EXPECT_GT(colourful, compared / 20);  // enough pixels where swapping red and blue would show
    deldib(&picture);
}

TEST(Trace, FourHundredFramesRunToTheEnd)
{
    const TraceRun run = RunTrace("--frames 400 --click 80,58@2");
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Frames.size(), 400u);
}
