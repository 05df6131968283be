// SceneS.cpp -- the letter S: a jittering red S chain crawls past behind the figure, which turns to watch it.
#include "figures/FigurePose.h"
#include "framework/PassEnd.h"
#include "framework/SceneFrame.h"
#include "framework/SoundCues.h"
#include "platform/Sound.h"
#include "scenes/Scenes.h"
#include "world/Random.h"
#include "world/World.h"

static float CrawlOffset = 0;  // how far the chain has crawled; back to 0 at every pass end

static void DrawChainSegment(GLUquadric* quadric, double angle)
{
    glRotated(angle, 0, 1, 0);
    gluCylinder(quadric, 0.5, 0.5, 2, 20, 20);
    glTranslated(0, 0, 2);
    gluSphere(quadric, 0.5, 20, 20);
}

// Ten fresh random numbers a frame make every joint jitter; they are drawn in the order used.
static void DrawSChain()
{
    glPushMatrix();
    glRotated(90, 1, 0, 0);
    GLUquadric* quadric = NewQuadric();
    SetColour(196, 64, 64);
    glTranslated(0, 0, 2.35);
    const int depthJitter = RandomBelow(5);
    const int crawlJitter = RandomBelow(5);
    glTranslated(crawlJitter / 10.0 - 28 + CrawlOffset, depthJitter / 10.0 - 20, -5.5);
    SetColour(196, 64, 64);

    glRotated(70 - RandomBelow(5), 0, 1, 0);
    gluCylinder(quadric, 0.5, 0.5, 2, 20, 20);
    gluSphere(quadric, 0.5, 20, 20);
    glTranslated(0, 0, 2);
    gluSphere(quadric, 0.7, 20, 20);

    SetColour(128, 0, 0);
    glTranslated(0.3, 1, 0);
    gluSphere(quadric, 0.2, 20, 20);
    glTranslated(-0.3, -1, 0);

    glTranslated(-0.2, 0, 0.4);
    gluCylinder(quadric, 0.1, 0.1, 0.7 + RandomBelow(5) / 10.0, 20, 20);
    glTranslated(0.2, 0, -0.4);

    SetColour(196, 64, 64);
    glTranslated(0, 0, -2);
    // Each bend adds to the ones before it: the segments curl into the S.
    DrawChainSegment(quadric, 210 + RandomBelow(5));
    DrawChainSegment(quadric, 100 + RandomBelow(5));
    DrawChainSegment(quadric, 45 + RandomBelow(5));
    DrawChainSegment(quadric, -45 - RandomBelow(5));
    DrawChainSegment(quadric, -100 - RandomBelow(5));
    DrawChainSegment(quadric, -30 - RandomBelow(5));
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

static void TurnFigure(double by)
{
    FigureHeading = static_cast<float>(FigureHeading + by);
    LegRigStep(FigureLegA);
    LegRigStep(FigureLegB);
}

static void AdvanceSceneS()
{
    if (SceneTick < 50) {
        // "sound1" is not closed first: only the pass end closes it.
        if (SceneTick == 4) {
            SendSoundCommand("open angst.wav alias sound1");
            SendSoundCommand("play sound1");
        }
        SceneTick++;
        return;
    }
    if (CrawlOffset >= 40) {
        CrawlOffset = 0;
        SendSoundCommand("close sound");
        SendSoundCommand("close sound1");
        CueStarted = false;
        SceneTick = 0;
        PassEnd();
        return;
    }
    CrawlOffset = static_cast<float>(CrawlOffset + 0.5);
    // Turn round to watch the chain come, and back once it has passed the middle.
    if (CrawlOffset > 20) {
        if (FigureHeading > -90) TurnFigure(-10);
    } else {
        if (FigureHeading < 90) TurnFigure(10);
    }
    if (!CueStarted) {
        RestartCue("open lauts.wav alias sound");
        CueStarted = true;
    }
    // The recording is started again whenever its mode changes while the chain is short of 35; the watch
    // compares with the last reply of any watching scene, so the first watch of a run always restarts it.
    WatchSoundMode(CrawlOffset < 35 ? "open lauts.wav alias sound" : nullptr);
}

void SceneSStartValues()
{
    PlaceFigure(-90, -10, 0);
}

void SceneSFrame()
{
    BeginSceneFrame();
    DrawSChain();
    DrawFigure();
    EndSceneFrame();
    AdvanceSceneS();
}
