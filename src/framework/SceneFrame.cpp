// SceneFrame.cpp -- the steps every letter scene's frame is made of.
#include "figures/FigurePose.h"
#include "framework/SceneFrame.h"
#include "render/Render.h"
#include "world/World.h"

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
    DrawPixelRectangle(760, 550, BackgroundImage);  // at the lower left corner
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
    MoveToFigure();
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
    PresentFrame(MainWindow);
}

void EndSceneFrame()
{
    DrawStoneFloor();
    PresentSceneFrame();
}
