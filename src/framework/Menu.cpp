// Menu.cpp -- the letter menu's frame: the letter picture, the figure standing still, a click on arrival.
#include "figures/FigurePose.h"
#include "framework/Menu.h"
#include "framework/SceneFrame.h"
#include "platform/Present.h"
#include "platform/Sound.h"
#include "world/World.h"

static void DrawMenuPicture()
{
    BeginSceneFrame();

    DrawFigureAtHeight(0.75);

    PresentSceneFrame();  // no props and no floor in the menu
}

bool MenuFrameIdle()
{
    return MenuPictureShown && CueStarted && PresentedFrameStays(MainWindow);
}

void MenuFrame()
{
    // Nothing the menu draws changes between set-ups, so where the window keeps what it was shown, an idle
    // menu is drawn once rather than ten times a second, until the window system says it lost the picture.
    if (!MenuPictureShown || !PresentedFrameStays(MainWindow)) {
        DrawMenuPicture();
        MenuPictureShown = true;
    }

    if (!CueStarted) {
        // The alias is not closed first: a recording a scene left open under it plays instead.
        SendSoundCommand("open klicke.wav alias sound");
        SendSoundCommand("play sound");
        CueStarted = true;
    }
}
