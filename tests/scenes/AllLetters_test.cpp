// AllLetters_test.cpp -- one program start visits every letter of the menu in turn, A to Z.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "TraceRun.h"

struct LetterVisit {
    char Letter;
    int Scene;     // the scene index the letter's cell opens
    long Frames;   // how long its scene's passes take, from the scene's story
};

// The stories' lengths in frames (pass length times pass limit, or the whole run where the passes
// differ), visited in this order from a program start.
static const LetterVisit Visits[] = {
    {'A', 0, 120},  {'B', 1, 213},  {'C', 2, 470},  {'D', 3, 237},  {'E', 4, 181},  {'F', 5, 121},
    {'G', 6, 402},  {'H', 7, 204},  {'I', 8, 147},  {'J', 9, 250},  {'K', 10, 267}, {'L', 11, 510},
    {'M', 12, 147}, {'N', 13, 120}, {'O', 14, 250}, {'P', 15, 273}, {'Q', 16, 303}, {'R', 17, 341},
    {'S', 18, 393}, {'T', 19, 164}, {'U', 20, 288}, {'V', 21, 348}, {'W', 21, 348}, {'X', 22, 399},
    {'Y', 23, 117}, {'Z', 24, 315},
};

// Each letter is clicked once its predecessor has surely handed back: a quarter more than the story's
// length and 40 frames besides, since what one scene leaves behind can lengthen the next. A click that
// came too early would fall into a running scene and be ignored, which the test reports.
TEST(AllLetters, EveryLetterOpensItsSceneAndHandsBackInTurn)
{
    std::vector<long> clicks;
    std::string options;
    long click = 2;
    for (const LetterVisit& visit : Visits) {
        clicks.push_back(click);
        options += ClickOn(visit.Letter, click);
        click += visit.Frames + visit.Frames / 4 + 40;
    }
    const TraceRun run = RunTrace("--frames " + std::to_string(click) + options);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;

    for (size_t i = 0; i < clicks.size(); i++) {
        const LetterVisit& visit = Visits[i];
        ASSERT_EQ(FrameAt(run, clicks[i]).Scene, visit.Scene)
            << visit.Letter << " clicked before frame " << clicks[i] << " did not open its scene";
        const long handBack = FirstMenuFrameFrom(run, clicks[i]);
        const long next = i + 1 < clicks.size() ? clicks[i + 1] : click + 1;
        ASSERT_NE(handBack, -1) << visit.Letter << "'s scene never handed back";
        ASSERT_LT(handBack, next) << visit.Letter << "'s scene still ran when the next letter was clicked";
        for (long frame = clicks[i]; frame < handBack; frame++)
            ASSERT_EQ(FrameAt(run, frame).Scene, visit.Scene) << visit.Letter << " in frame " << frame;
    }
}
