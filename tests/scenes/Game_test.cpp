// Game_test.cpp -- "Find the letter" as quillora-trace drives it: the question once the menu has settled, a right
// answer's cheer and scene, wrong answers named and the third one shown, the unanswered question asked twice more,
// a whole round of five, Space and Escape, and the sounds mode. The first round of a run asks for A, W, F, H and R.
#include <gtest/gtest.h>
#include <algorithm>
#include "TraceRun.h"

static std::string Key(char letter, long frame)
{
    return " --key " + std::string(1, static_cast<char>(letter - 'A' + 'a')) + "@" + std::to_string(frame);
}

// The frames whose line shows the round in this step.
static std::vector<long> FramesInStep(const TraceRun& run, int step)
{
    std::vector<long> frames;
    for (const TraceFrameLine& line : run.Frames)
        if (!line.Game.empty() && line.Step == step) frames.push_back(line.Frame);
    return frames;
}

constexpr int StepAsk = 0, StepWaiting = 1, StepCheer = 2, StepNaming = 3, StepInScene = 4;

static std::vector<std::string> Played(const std::string& file)
{
    return {"close game", "open " + file + " alias game", "play game"};
}

TEST(FindTheLetter, TheQuestionComesOnceTheMenuHasSettledThenARightAnswerCheersNodsAndOpensTheScene)
{
    const TraceRun run = RunTrace("--frames 60 --game names --key b@5 --click 80,58@10" + Key('A', 16));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    // Frame 13 is the first drawn 1000 ms after start-up: the menu's click has been heard.
    EXPECT_EQ(SoundFrames(run, "open ask2a.wav alias game"), std::vector<long>{13});
    EXPECT_TRUE(SoundsInFrame(run, 5).empty());   // before the question nothing is an answer ...
    EXPECT_TRUE(SoundsInFrame(run, 10).empty());  // ... and nothing is kept for later
    EXPECT_EQ(FrameAt(run, 12).Step, StepAsk);
    EXPECT_EQ(FrameAt(run, 15).Step, StepWaiting);

    EXPECT_EQ(SoundsInFrame(run, 16), Played("cheer1.wav"));
    const std::vector<long> cheering = FramesInStep(run, StepCheer);
    ASSERT_FALSE(cheering.empty());
    double deepest = 0;
    for (long frame : cheering) deepest = std::max(deepest, FrameAt(run, frame).Pitch);
    EXPECT_GT(deepest, 15);  // a nod, not a shake
    for (long frame : cheering) EXPECT_EQ(FrameAt(run, frame).Yaw, 0);
    // The scene opens once the cheer has ended and the head is upright again.
    const long opened = cheering.back() + 1;
    EXPECT_EQ(FrameAt(run, opened).Scene, 0);
    EXPECT_EQ(FrameAt(run, opened).Pitch, 0);
    EXPECT_GE(opened, 16 + 8);
    EXPECT_EQ(FrameAt(run, opened).Step, StepInScene);
}

TEST(FindTheLetter, AWrongAnswerNamesTheChosenLetterShakesTheHeadAndAsksAgain)
{
    const TraceRun run = RunTrace("--frames 60 --game names --move 178,58@14 --tap 275,58@15 --tap 275,58@17");
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_TRUE(SoundsInFrame(run, 14).empty());  // hovering would give the answer away
    EXPECT_EQ(SoundsInFrame(run, 15), Played("laut2c.wav"));  // a tap answers at once, without naming first
    EXPECT_TRUE(SoundsInFrame(run, 17).empty());  // while the name is said, another answer is dropped
    const std::vector<long> naming = FramesInStep(run, StepNaming);
    ASSERT_FALSE(naming.empty());
    double widest = 0;
    for (long frame : naming) widest = std::max(widest, std::abs(FrameAt(run, frame).Yaw));
    EXPECT_GT(widest, 20);
    const long askedAgain = naming.back() + 1;
    const std::vector<std::string> sounds = SoundsInFrame(run, askedAgain);  // after asking whether the name ended
    EXPECT_EQ(std::vector<std::string>(sounds.end() - std::min<long>(3, sounds.size()), sounds.end()), Played("ask2a.wav"));
    EXPECT_EQ(FrameAt(run, askedAgain).Wrong, 1);
    EXPECT_EQ(FrameAt(run, askedAgain).Yaw, 0);
    for (const TraceFrameLine& line : run.Frames) EXPECT_EQ(line.Scene, 25) << line.Frame;  // no penalty, no scene
}

TEST(FindTheLetter, TheThirdWrongAnswerShowsTheAskedLettersScene)
{
    const TraceRun run = RunTrace("--frames 90 --game names" + Key('B', 15) + Key('Z', 40) + Key('C', 65));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    // Each wrong answer's name, then the question again.
    const std::vector<long> asked = SoundFrames(run, "open ask2a.wav alias game");
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(FrameAt(run, asked[1] - 1).Step, StepNaming);
    EXPECT_EQ(FrameAt(run, asked[2] - 1).Step, StepNaming);
    EXPECT_LT(asked[2], 40 + 20);
    EXPECT_EQ(SoundFrames(run, "open laut2c.wav alias game"), std::vector<long>{65});
    const long opened = FramesInStep(run, StepInScene).at(0);
    EXPECT_GT(opened, 65);
    EXPECT_EQ(FrameAt(run, opened).Scene, 0);  // A's, though the child chose C
    EXPECT_EQ(FrameAt(run, opened).Wrong, 3);
}

TEST(FindTheLetter, AnUnansweredQuestionIsAskedTwiceMoreTenSecondsApartThenTheRoundWaitsQuietly)
{
    const TraceRun run = RunTrace("--frames 420 --game names" + Key('A', 400));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    const std::vector<long> asked = SoundFrames(run, "open ask2a.wav alias game");
    ASSERT_EQ(asked.size(), 3u);
    for (size_t i = 1; i < asked.size(); i++) {
        const uint32_t waited = FrameAt(run, asked[i]).Tick - FrameAt(run, asked[i - 1]).Tick;
        EXPECT_GE(waited, 10000u);
        EXPECT_LT(waited, 10090u);  // the first frame after ten seconds
    }
    EXPECT_EQ(FrameAt(run, 399).Repeats, 2);
    EXPECT_EQ(SoundsInFrame(run, 400), Played("cheer1.wav"));  // waiting quietly, it still takes the answer
}

TEST(FindTheLetter, EscapeEndsTheRoundAndTheMenuIsTheOrdinaryMenuAgain)
{
    const TraceRun run = RunTrace("--frames 60 --game names --key escape@20 --key escape@21 --move 178,58@30 "
                                  "--click 275,58@40");
    const TraceRun ordinary = RunTrace("--frames 60 --move 178,58@30 --click 275,58@40");
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(SoundsInFrame(run, 20), std::vector<std::string>{"close game"});
    EXPECT_TRUE(SoundsInFrame(run, 21).empty());  // with no round, Escape does nothing here
    EXPECT_EQ(FrameAt(run, 19).Game, "names");
    EXPECT_EQ(FrameAt(run, 20).Game, "");
    // From then on, the lines are the ordinary menu's: a hover names B, a click opens C's scene.
    const size_t from = run.Output.find("{\"frame\":21,\"tick\"");
    ASSERT_NE(from, std::string::npos);
    EXPECT_EQ(run.Output.substr(from), ordinary.Output.substr(ordinary.Output.find("{\"frame\":21,\"tick\"")));
}

TEST(FindTheLetter, SpaceStartsARoundOfNamesInTheMenuOnlyAndNeverRestartsOne)
{
    const TraceRun run = RunTrace("--frames 40 --click 80,58@2 --key space@5 --key space@20");
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(FrameAt(run, 30).Game, "");  // in A's scene Space is ignored, as all input is
    const TraceRun menu = RunTrace("--frames 40 --key space@5 --key space@20 --key space@25");
    EXPECT_EQ(FrameAt(menu, 5).Game, "names");
    EXPECT_EQ(FrameAt(menu, 5).Asked, 'a');
    EXPECT_EQ(SoundFrames(menu, "open ask2a.wav alias game"), std::vector<long>{13});
    EXPECT_EQ(FrameAt(menu, 40).Asked, 'a');
    EXPECT_EQ(FrameAt(menu, 40).Prompt, 0);
}

TEST(FindTheLetter, TheSoundsModeAsksByTheLettersSound)
{
    const TraceRun run = RunTrace("--frames 20 --game sounds" + Key('A', 15));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(FrameAt(run, 1).Game, "sounds");
    EXPECT_EQ(SoundsInFrame(run, 13), Played("aska.wav"));
    EXPECT_EQ(SoundsInFrame(run, 15), Played("cheer1.wav"));
}

TEST(FindTheLetter, AnUnknownModeSaysTheTwoModes)
{
    for (const char* options : {"--game chess", "--game Names", "--game ''"}) {
        const TraceRun run = RunTrace(options);
        EXPECT_EQ(run.ExitCode, 2) << options;
        EXPECT_NE(run.Errors.find("--game takes names"), std::string::npos) << run.Errors;
        EXPECT_NE(run.Errors.find("or sounds"), std::string::npos) << run.Errors;
    }
}

// A whole round answered right: each answer the asked letter's key, pressed in the frame after its question (found
// by running the round up to it). Five different letters, each scene seen, cheers in turn, the closing cheer, then
// the ordinary menu. Input during the scenes changes nothing in them.
TEST(FindTheLetter, ARoundOfFiveEndsWithTheClosingCheerAndTheOrdinaryMenu)
{
    std::string answers;
    long frames = 650;  // past the longest scene's hand-back
    TraceRun run;
    for (int prompt = 0; prompt < 5; prompt++) {
        run = RunTrace("--game names --frames " + std::to_string(frames) + answers);
        ASSERT_EQ(run.ExitCode, 0) << run.Errors;
        const auto asked = std::find_if(run.Frames.begin(), run.Frames.end(), [&](const TraceFrameLine& line) {
            return line.Prompt == prompt && line.Step == StepWaiting && !line.Game.empty();
        });
        ASSERT_NE(asked, run.Frames.end()) << "question " << prompt + 1 << " never came";
        answers += Key(static_cast<char>(asked->Asked - 'a' + 'A'), asked->Frame + 1);
        frames = asked->Frame + 650;
    }
    const std::string script = "--game names --frames " + std::to_string(frames);
    run = RunTrace(script + answers);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;

    std::string letters;
    for (const TraceSoundLine& sound : run.Sounds)
        if (sound.Command.rfind("open ask2", 0) == 0) letters += sound.Command[9];
    EXPECT_EQ(letters, "awfhr");
    EXPECT_EQ(SoundFrames(run, "open cheer1.wav alias game").size(), 2u);  // questions 1 and 4
    EXPECT_EQ(SoundFrames(run, "open cheer2.wav alias game").size(), 2u);
    EXPECT_EQ(SoundFrames(run, "open cheer3.wav alias game").size(), 1u);
    std::vector<int> scenes;
    for (const TraceFrameLine& line : run.Frames)
        if (line.Scene != 25 && (scenes.empty() || scenes.back() != line.Scene)) scenes.push_back(line.Scene);
    EXPECT_EQ(scenes, (std::vector<int>{0, 21, 5, 7, 17}));  // W's is the scene V and W share
    const std::vector<long> closing = SoundFrames(run, "open cheerend.wav alias game");
    ASSERT_EQ(closing.size(), 1u);
    const long over = std::find_if(run.Frames.begin() + closing[0], run.Frames.end(),
                                   [](const TraceFrameLine& line) { return line.Game.empty(); })->Frame;
    EXPECT_GT(over, closing[0]);
    EXPECT_EQ(FrameAt(run, over).Scene, 25);
    EXPECT_EQ(FrameAt(run, over - 1).Asked, '-');

    // The same round with keys, taps and clicks all through F's scene: the scene's lines are the same.
    const long fFrom = std::find_if(run.Frames.begin(), run.Frames.end(),
                                    [](const TraceFrameLine& line) { return line.Scene == 5; })->Frame;
    std::string noise;
    for (long frame = fFrom + 1; frame < fFrom + 60; frame += 3)
        noise += Key('F', frame) + " --tap 275,58@" + std::to_string(frame) + " --click 80,58@" +
                 std::to_string(frame + 1) + " --key escape@" + std::to_string(frame + 2) + " --key space@" +
                 std::to_string(frame + 2);
    const TraceRun noisy = RunTrace(script + answers + noise + " --frames " + std::to_string(fFrom + 70));
    const size_t end = run.Output.find("{\"frame\":" + std::to_string(fFrom + 71) + ",");
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(noisy.Output, run.Output.substr(0, end));
}
