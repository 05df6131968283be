// PassEnd.cpp -- the end of a scene's pass: after the scene's number of passes, back to the menu.
#include "framework/PassEnd.h"
#include "framework/SceneSetup.h"
#include "world/World.h"

int ScenePassLimit(int scene)
{
    //                              A  B  C  D  E  F  G  H  I  J  K  L  M  N  O  P  Q  R  S  T  U VW  X  Y  Z
    static const int PassLimits[] = {3, 3, 1, 3, 1, 1, 2, 2, 3, 4, 3, 3, 3, 3, 3, 3, 3, 1, 3, 3, 3, 2, 3, 3, 3};
    return scene >= 0 && scene < LetterSceneCount ? PassLimits[scene] : 0;
}

void PassEnd()
{
    SceneEndCount++;
    if (SceneEndCount == ScenePassLimit(CurrentScene)) {
        CurrentScene = MenuScene;
        SceneSetup();
    }
}
