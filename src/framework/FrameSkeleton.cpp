// FrameSkeleton.cpp -- the steps every letter scene's frame is made of, the walk step and the pass end.
#include <cmath>
#include <cstring>
#include <numbers>
#include "framework/Frame.h"
#include "framework/Framework.h"
#include "framework/World.h"
#include "platform/Sound.h"
#include "render/Render.h"

void ClearAndPushFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
}

void DrawBackgroundPicture()
{
    if (BackgroundImage == nullptr) return;
    if (DrawBackgroundTexture()) return;  // the same pixels, without sending the picture again
    glDepthMask(GL_FALSE);
    glDrawPixels(760, 550, GL_RGB, GL_UNSIGNED_BYTE, BackgroundImage);  // at the lower left corner
    glDepthMask(GL_TRUE);
}

void ApplyCamera()
{
    glTranslated(10, -4, -10);
    glRotated(10, 1, 1, 0);
}

void BeginSceneFrame()
{
    ClearAndPushFrame();
    DrawBackgroundPicture();
    ApplyCamera();
}

void BeginDarkSceneFrame()
{
    ClearAndPushFrame();
    ApplyCamera();
}

void DrawFigure(BodyModel body)
{
    glPushMatrix();
    glTranslated(FigureX, 0.75, FigureZ - 8);
    glRotated(FigureHeading, 0, 1, 0);
    DrawPlayerFigure(body);
    glPopMatrix();
}

void DrawStoneFloor()
{
    glColor3ub(0, 255, 0);  // the decal texture hides it
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glBegin(GL_QUADS);  // with the stone texture scene set-up gave OpenGL
    DrawTexturedQuad(-50, -2.35f, -50, -50, -2.35f, 0, 50, -2.35f, 0, 50, -2.35f, -50, 20);
    glEnd();
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

void PresentSceneFrame()
{
    glPopMatrix();
    glFlush();
    PresentFrame(DeviceContext);
}

void EndSceneFrame()
{
    DrawStoneFloor();
    PresentSceneFrame();
}

void WalkStep()
{
    const double h = FigureHeading * std::numbers::pi / 180.0;
    FigureX = static_cast<float>(FigureX + std::cos(h) / 3.0);
    FigureZ = static_cast<float>(FigureZ - std::sin(h) / 3.0);
}

void WalkStepBack()
{
    const double h = FigureHeading * std::numbers::pi / 180.0;
    FigureX = static_cast<float>(FigureX - std::cos(h) / 3.0);
    FigureZ = static_cast<float>(FigureZ + std::sin(h) / 3.0);
}

void StepFigureLimbs()
{
    LegRigStep(FigureLegA);
    LegRigStep(FigureLegB);
    ArmRigStep(FigureArmA);
    ArmRigStep(FigureArmB);
}

int ScenePassLimit(int scene)
{
    //                              A  B  C  D  E  F  G  H  I  J  K  L  M  N  O  P  Q  R  S  T  U VW  X  Y  Z
    static const int PassLimits[] = {3, 3, 1, 3, 1, 1, 2, 2, 3, 4, 3, 3, 3, 3, 3, 3, 3, 1, 3, 3, 3, 2, 3, 3, 3};
    return scene >= 0 && scene < 25 ? PassLimits[scene] : 0;
}

void PassEnd()
{
    SceneEndCount++;
    if (SceneEndCount == ScenePassLimit(CurrentScene)) {
        CurrentScene = MenuScene;
        SceneSetup();
    }
}

bool WatchSoundMode(void (*onChange)())
{
    SendSoundQuery("status sound mode", ModeReply, ModeReplyBytes);
    const bool changed = std::strncmp(ModeReply, PreviousModeReply, ModeReplyBytes) != 0;
    if (changed && onChange != nullptr) onChange();
    std::memcpy(PreviousModeReply, ModeReply, ModeReplyBytes);
    return changed;
}
