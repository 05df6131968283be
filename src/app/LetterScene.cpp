// LetterScene.cpp -- a letter's scene opened from the menu: what a click, a second tap or key press, and a round
// of "Find the letter" all end in.
#include "app/App.h"
#include "framework/SceneSetup.h"
#include "platform/Sound.h"
#include "world/World.h"

void OpenLetterScene(int cell)
{
    SendSoundCommand("close sound");
    CueStarted = false;
    SceneTick = 0;
    CurrentScene = SceneForCell(cell);
    SendSoundCommand("stop soundx");
    SceneSetup();
}
