// trace_test.cpp -- quillora-trace itself: repeatable output, its options, its shots at the window's own size and
// larger, and the menu's mouse, key and tap handling as a script drives it.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unistd.h>
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
                                "--move '1;2@3'", "--shot 3", "--shot 0:/tmp/x.png", "--data /no/such/place",
                                "--key B@2", "--key b", "--key f12@2", "--key b@0", "--tap 1@3", "--tap 1,2,3@3",
                                "--size 800", "--size 0x600", "--size 800x-1", "--frames 3 --shot 4:/tmp/x.png",
                                "--shot 101:/tmp/x.png"}) {
        const TraceRun run = RunTrace(options);
        EXPECT_EQ(run.ExitCode, 2) << options;
        EXPECT_TRUE(run.Output.empty()) << options;
        EXPECT_EQ(std::count(run.Errors.begin(), run.Errors.end(), '\n'), 1) << options << ": " << run.Errors;
    }
}

TEST(Trace, HelpPrintsTheUsageAndExitsWith0)
{
    const TraceRun run = RunTrace("--frames 3 --help");
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Output.rfind("usage: quillora-trace [--data DIR]", 0), 0u) << run.Output;
    for (const char* option : {"--frames N", "--size WxH", "--move X,Y@F", "--click X,Y@F", "--key K@F", "--tap X,Y@F",
                               "--shot F:FILE", "--timing", "--help"})
        EXPECT_NE(run.Output.find(option), std::string::npos) << option;
    EXPECT_TRUE(run.Errors.empty());
}

// A shot that cannot be written (a full disc, a missing directory, a directory in its place), or its copy for a
// second shot of the frame: exit 1 with one line that names it, and no frame after it.
TEST(Trace, AShotThatCannotBeWrittenEndsTheRunWithCode1AndOneLine)
{
    const std::string good = ShotPath("good");
    for (const std::string& shots : {std::string("--shot 2:/dev/full"), std::string("--shot 2:/no/such/dir/x.png"),
                                     std::string("--shot 2:/tmp"), "--shot 2:" + good + " --shot 2:/dev/full"}) {
        const TraceRun run = RunTrace("--frames 4 " + shots);
        EXPECT_EQ(run.ExitCode, 1) << shots;
        EXPECT_EQ(std::count(run.Errors.begin(), run.Errors.end(), '\n'), 1) << shots << ": " << run.Errors;
        EXPECT_NE(run.Errors.find("cannot write the shot"), std::string::npos) << run.Errors;
        EXPECT_EQ(run.Frames.size(), 1u) << shots;  // frame 2 was drawn, its line never printed
    }
    std::remove(good.c_str());
}

TEST(Trace, ARelativeShotIsTakenFromTheStartingDirectoryNotFromData)
{
    const std::string name = "quillora-relative-shot-" + std::to_string(getpid()) + ".png";
    const TraceRun run = RunTrace("--frames 1 --shot 1:" + name);  // RunTrace passes --data
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(LoadShot(name).Width, 742);
    EXPECT_EQ(access((std::string(QUILLORA_DATA_DIR) + "/" + name).c_str(), F_OK), -1);
    std::remove(name.c_str());
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

// Everything the run printed after frame F - 1's line: what frame F and the later ones did.
static std::string OutputFrom(const TraceRun& run, long frame)
{
    const size_t line = run.Output.find("{\"frame\":" + std::to_string(frame - 1) + ",\"tick\"");
    if (line == std::string::npos || frame > static_cast<long>(run.Frames.size())) {
        ADD_FAILURE() << "the run drew no frame " << frame;
        return "";
    }
    return run.Output.substr(run.Output.find('\n', line) + 1);
}

static std::vector<std::string> NameOf(char letter)
{
    return {"close soundx", std::string("open laut2") + letter + ".wav alias soundx", "play soundx"};
}

// The first letter the mouse reaches is named, A too; reached in the menu's quiet period it is remembered
// unnamed, like any letter, until the mouse moves on to another.
TEST(Trace, TheFirstHoverOnANamesIt)
{
    const TraceRun run = RunTrace("--frames 19 --move 80,58@18 --move 82,60@19");
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(SoundsInFrame(run, 18), NameOf('a'));
    EXPECT_TRUE(SoundsInFrame(run, 19).empty());
    const TraceRun quiet = RunTrace("--frames 20 --move 80,58@17 --move 82,60@18 --move 178,58@19 --move 80,58@20");
    EXPECT_TRUE(SoundsInFrame(quiet, 17).empty());
    EXPECT_TRUE(SoundsInFrame(quiet, 18).empty());
    EXPECT_EQ(SoundsInFrame(quiet, 19), NameOf('b'));
    EXPECT_EQ(SoundsInFrame(quiet, 20), NameOf('a'));
}

// A letter's key names it at once, in the menu's quiet period too; the same key again opens the scene just as a
// click does, and from then on keys and taps change nothing, frame by frame.
TEST(Trace, ALetterKeyThenTheSameKeyOpensTheSceneAsAClickAndTheSceneIgnoresKeysAndTaps)
{
    const TraceRun clicked = RunTrace("--frames 40 --click 178,58@4");
    const TraceRun pressed = RunTrace("--frames 40 --key b@3 --key b@4 --key b@6 --key b@7 --key c@7 --tap 178,58@8 "
                                      "--tap 178,58@9 --key left@10 --key f11@10");
    ASSERT_EQ(pressed.ExitCode, 0) << pressed.Errors;
    EXPECT_EQ(SoundsInFrame(pressed, 3), NameOf('b'));  // 180 ms after the menu appeared
    EXPECT_EQ(FrameAt(pressed, 4).Scene, 1);
    EXPECT_EQ(OutputFrom(pressed, 4), OutputFrom(clicked, 4));
}

// Another letter between two presses of the same one names that letter instead, whether it came as a key or a
// tap; taps and keys choose together, and a mouse move onto another letter forgets the choice, even while the
// mouse itself is kept quiet.
TEST(Trace, AnotherLetterBetweenTwoPressesNamesItInstead)
{
    const TraceRun run = RunTrace("--frames 10 --key b@2 --key c@3 --key b@4 --tap 275,58@5 --tap 178,58@6 "
                                  "--move 373,58@7 --key b@8 --key b@9");
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    for (const auto& [frame, letter] : std::vector<std::pair<long, char>>{{2, 'b'}, {3, 'c'}, {4, 'b'}, {5, 'c'},
                                                                          {6, 'b'}, {8, 'b'}})
        EXPECT_EQ(SoundsInFrame(run, frame), NameOf(letter)) << "frame " << frame;
    EXPECT_TRUE(SoundsInFrame(run, 7).empty());
    EXPECT_EQ(FrameAt(run, 8).Scene, 25);
    EXPECT_EQ(FrameAt(run, 9).Scene, 1);
}

// A tap, then the same tap, anywhere in the letter's cell; W's key and W's taps open the scene V and W share,
// exactly as a click on W does.
TEST(Trace, ATapThenTheSameTapOpensTheSceneAsAClick)
{
    const TraceRun clicked = RunTrace("--frames 30 --click 480,379@3");
    const TraceRun tapped = RunTrace("--frames 30 --tap 480,379@2 --tap 430,340@3");
    const TraceRun pressed = RunTrace("--frames 30 --key w@2 --key w@3");
    ASSERT_EQ(tapped.ExitCode, 0) << tapped.Errors;
    EXPECT_EQ(FrameAt(clicked, 3).Scene, 21);
    EXPECT_EQ(SoundsInFrame(tapped, 2), NameOf('w'));
    EXPECT_EQ(SoundsInFrame(pressed, 2), NameOf('w'));
    EXPECT_EQ(OutputFrom(tapped, 3), OutputFrom(clicked, 3));
    EXPECT_EQ(OutputFrom(pressed, 3), OutputFrom(clicked, 3));
}

// Box-averaged to half its size, as a screen twice as dense would show it at the same physical size.
static Shot Halved(const Shot& shot)
{
    Shot half{shot.Width / 2, shot.Height / 2, {}};
    half.Pixels.resize(static_cast<size_t>(half.Width) * half.Height * 3);
    for (int y = 0; y < half.Height; y++)
        for (int x = 0; x < half.Width; x++)
            for (int c = 0; c < 3; c++) {
                auto at = [&](int dx, int dy) { return shot.Pixels[((2 * y + dy) * shot.Width + 2 * x + dx) * 3 + c]; };
                half.Pixels[(y * half.Width + x) * 3 + c] =
                    static_cast<unsigned char>((at(0, 0) + at(1, 0) + at(0, 1) + at(1, 1) + 2) / 4);
            }
    return half;
}

// Twice the size, each new pixel blended from its neighbours (what scaling up a finished picture smoothly gives).
static Shot SmoothlyDoubled(const Shot& shot)
{
    Shot twice{shot.Width * 2, shot.Height * 2, {}};
    twice.Pixels.resize(static_cast<size_t>(twice.Width) * twice.Height * 3);
    auto source = [&](int x, int y, int c) {
        x = std::clamp(x, 0, shot.Width - 1);
        y = std::clamp(y, 0, shot.Height - 1);
        return static_cast<double>(shot.Pixels[(y * shot.Width + x) * 3 + c]);
    };
    for (int y = 0; y < twice.Height; y++)
        for (int x = 0; x < twice.Width; x++)
            for (int c = 0; c < 3; c++) {
                const double sx = (x + 0.5) / 2 - 0.5;
                const double sy = (y + 0.5) / 2 - 0.5;
                const int x0 = static_cast<int>(std::floor(sx));
                const int y0 = static_cast<int>(std::floor(sy));
                const double fx = sx - x0;
                const double fy = sy - y0;
                const double value = (1 - fy) * ((1 - fx) * source(x0, y0, c) + fx * source(x0 + 1, y0, c)) +
                                     fy * ((1 - fx) * source(x0, y0 + 1, c) + fx * source(x0 + 1, y0 + 1, c));
                twice.Pixels[(y * twice.Width + x) * 3 + c] = static_cast<unsigned char>(std::lround(value));
            }
    return twice;
}

static double MeanDifference(const Shot& a, const Shot& b)
{
    double sum = 0;
    for (size_t i = 0; i < a.Pixels.size(); i++) sum += std::abs(a.Pixels[i] - b.Pixels[i]);
    return sum / static_cast<double>(a.Pixels.size());
}

// The detail finer than a pixel of the picture at half the size: how far each 2 x 2 block's pixels stray from
// their mean. A picture made by enlarging a smaller one has little of it (pixel doubling none).
static double FineDetail(const Shot& shot)
{
    const Shot half = Halved(shot);
    double sum = 0;
    for (int y = 0; y < half.Height * 2; y++)
        for (int x = 0; x < half.Width * 2; x++)
            for (int c = 0; c < 3; c++)
                sum += std::abs(shot.Pixels[(y * shot.Width + x) * 3 + c] - half.Pixels[((y / 2) * half.Width + x / 2) * 3 + c]);
    return sum / (half.Width * 2.0 * half.Height * 2.0 * 3.0);
}

TEST(Trace, TwiceTheSizeIsTheSamePictureDrawnSharper)
{
    // Scene A with its letter, the figure and the floor in view, at the window's own size and at twice it.
    const std::string script = "--frames 30 --click 80,58@3";
    const std::string smallFile = ShotPath("own-size");
    const std::string largeFile = ShotPath("twice");
    const TraceRun own = RunTrace(script + ShotOf(30, smallFile));
    const TraceRun twice = RunTrace("--size 1484x1046 " + script + ShotOf(30, largeFile));
    ASSERT_EQ(twice.ExitCode, 0) << twice.Errors;
    EXPECT_EQ(own.Output, twice.Output);  // the size shows in the shots and nowhere else
    const Shot small = LoadShot(smallFile);
    const Shot large = LoadShot(largeFile);
    ASSERT_EQ(large.Width, 1484);
    ASSERT_EQ(large.Height, 1046);

    // Halved, it is the same picture: edges fall a hair differently, nothing is moved or missing (measured:
    // a mean difference of 2.6 in 255, 31.6 dB).
    const Shot halved = Halved(large);
    const double difference = MeanDifference(halved, small);
    double squares = 0;
    for (size_t i = 0; i < small.Pixels.size(); i++)
        squares += (halved.Pixels[i] - small.Pixels[i]) * (halved.Pixels[i] - small.Pixels[i]);
    const double psnr = 10 * std::log10(255.0 * 255.0 / (squares / static_cast<double>(small.Pixels.size())));
    EXPECT_LT(difference, 4.0);
    EXPECT_GT(psnr, 28.0);

    // And it is drawn at its own resolution: far more fine detail than the small picture scaled up smoothly
    // (measured: 3.1 against 1.8).
    EXPECT_GT(FineDetail(large), 1.4 * FineDetail(SmoothlyDoubled(small)));
}

TEST(Trace, AWideWindowShowsThePictureCentredBetweenBlackBars)
{
    const std::string file = ShotPath("wide");
    const TraceRun run = RunTrace("--size 1920x1080 --frames 2" + ShotOf(2, file));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const Shot shot = LoadShot(file);
    ASSERT_EQ(shot.Width, 1920);
    ASSERT_EQ(shot.Height, 1080);
    // The picture is 1532 x 1080 (742 x 523 scaled by 1080 / 523), with 194 columns of black on each side.
    auto lit = [&](int left, int right) {
        long count = 0;
        for (int y = 0; y < shot.Height; y++)
            for (int x = left; x < right; x++)
                for (int c = 0; c < 3; c++) count += shot.Pixels[(y * shot.Width + x) * 3 + c] != 0;
        return count;
    };
    EXPECT_EQ(lit(0, 194), 0);
    EXPECT_EQ(lit(1726, 1920), 0);
    EXPECT_EQ(lit(194, 195), 1080 * 3);  // the picture reaches both bars, all the way up
    EXPECT_EQ(lit(1725, 1726), 1080 * 3);
}

TEST(Trace, AStretchedPictureKeepsItsTopRowAndRightColumn)
{
    // At 3840 x 2160 the frame is drawn 1532 x 1080 and stretched smoothly over the 3064 x 2160 picture from
    // column 388 on. Each edge line blends only with the drawn frame, so it is as bright as its neighbour inside;
    // blending with texels beyond the frame made the top row and the right column darker (136,158,178 beside
    // 181,211,237 in the menu's sky).
    const std::string file = ShotPath("stretched");
    const TraceRun run = RunTrace("--size 3840x2160 --frames 2" + ShotOf(2, file));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const Shot shot = LoadShot(file);
    ASSERT_EQ(shot.Width, 3840);
    ASSERT_EQ(shot.Height, 2160);
    auto value = [&](int x, int y, int c) { return static_cast<double>(shot.Pixels[(y * shot.Width + x) * 3 + c]); };
    const int left = 388;
    const int right = 388 + 3064 - 1;
    // How much darker an edge line is than the line beside it, on average over its pixels and channels.
    double topDarker = 0;
    for (int x = left; x <= right; x++)
        for (int c = 0; c < 3; c++) topDarker += value(x, 1, c) - value(x, 0, c);
    topDarker /= (right - left + 1) * 3.0;
    double rightDarker = 0;
    for (int y = 0; y < shot.Height; y++)
        for (int c = 0; c < 3; c++) rightDarker += value(right - 1, y, c) - value(right, y, c);
    rightDarker /= shot.Height * 3.0;
    EXPECT_LT(std::abs(topDarker), 1.0);
    EXPECT_LT(std::abs(rightDarker), 1.0);
    EXPECT_GT(value(right, 0, 2), 200);  // the sky's blue in the top right corner, not a blend with black
}
