// SceneSetup.cpp -- prepares the active scene: texture, picture, GL state, figure pose, the scene's start values.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <GL/gl.h>
#include "figures/FigurePose.h"
#include "figures/Rigs.h"
#include "framework/SceneSetup.h"
#include "framework/SceneTable.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "render/Render.h"
#include "world/World.h"

constexpr int PictureWidth = 760;
constexpr int PictureHeight = 550;

// Without its floor the program cannot draw a scene: say which file and why, then end. The line goes out under
// the name the program was started by, since the trace and the tour run this same start-up.
static void StopOnTextureError(const char* reason)
{
    char text[300];
    std::snprintf(text, sizeof text, "Cannot read the stone texture \"texstone1.raw\": %s", reason);
    ShowMessageBox(text, "Error");  // on standard error instead where no box can be shown
    std::exit(1);
}

static void ReadStoneTexture()
{
    std::FILE* file = std::fopen("texstone1.raw", "rb");
    if (file == nullptr) StopOnTextureError(std::strerror(errno));
    const size_t read = std::fread(StoneTexture, 1, StoneTextureBytes, file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) StopOnTextureError("the file cannot be read");
    if (read != StoneTextureBytes) StopOnTextureError("the file is shorter than 12288 bytes");
}

static void LoadBackgroundPicture()
{
    deldib(&BackgroundBitmap);
    if (CurrentScene == MenuScene) {
        ImageRecord picture{};
        OpenDib(&picture, "startscreen.gif", 5, 0);
        BackgroundBitmap = picture;
        ConvertPaletteImage(&BackgroundBitmap, 24);
        MenuEnterTick = TickCount();
    } else {
        ImageRecord picture{};
        OpenDib(&picture, "bkgnd1.jpg", 7, 0);
        BackgroundBitmap = picture;
    }
    // The frames draw 760 x 550 pixels of 3 bytes: anything else would be read past its end.
    const BitmapHeader* header = BackgroundBitmap.Header;
    if (header == nullptr || header->BitCount != 24 || header->Width != PictureWidth ||
        header->Height != PictureHeight) {
        deldib(&BackgroundBitmap);
        newdib(&BackgroundBitmap, PictureWidth, PictureHeight, 24, 0, 0);
    }
    BackgroundImage = BackgroundBitmap.Pixels;
}

static void SwapRedAndBlue()
{
    for (int row = 0; row < PictureHeight; row++) {
        uint8_t* pixel = BackgroundImage + row * BackgroundBitmap.Stride;
        for (int column = 0; column < PictureWidth; column++, pixel += 3) {
            const uint8_t first = pixel[0];
            pixel[0] = pixel[2];
            pixel[2] = first;
        }
    }
}

static void SetFixedDrawingState()
{
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHT0);
    // No polygon stipple: with no pattern set it would mask nothing, yet it sends every triangle through the
    // software renderer's stipple stage, a third of a rod-field frame.
    static const GLfloat NearLight[4] = {0, 0, 0, 1};
    static const GLfloat NightLight[4] = {-10000000000.0f, 20000000.0f, 4000000000.0f, 1};  // scene C's far light
    // OpenGL places a light through the matrix current when it is set. A scene may hand back to the menu in the
    // middle of its drawing, with its camera still on that matrix: the light belongs at the eye all the same.
    glPushMatrix();
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, CurrentScene == SceneC ? NightLight : NearLight);
    glPopMatrix();
    glClearColor(0, 0, 0, 0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    BindFloorTexture();
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glShadeModel(GL_SMOOTH);
    // The floor's texture, given to OpenGL once per set-up rather than in every frame: nothing else
    // changes it, so every frame shows the same texels.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 64, 64, 0, GL_RGB, GL_UNSIGNED_BYTE, StoneTexture);
}

static void PoseFigureAndRigs()
{
    PlaceFigure(90, 0, 0);
    if (CurrentScene == SceneB || CurrentScene == SceneE || CurrentScene == SceneJ) {
        FigureHeading = 180;  // B, E and J keep both legs in step
        StandFigureLegsInStep();
    } else {
        StandFigureLegs();
    }
    StandCompanion();
    if (CurrentScene == SceneE) {
        // E keeps both arms in step, ten steps into their swing.
        ResetFigureArms();
        for (int i = 0; i < 10; i++) {
            ArmRigStep(FigureArmA);
            ArmRigStep(FigureArmB);
        }
        ArmRigStep(FigureArmA);
        ArmRigStep(FigureArmB);
    } else {
        StandFigureArms();
    }
    HeadColour = {90, 64, 64};
    LimbColour = {64, 64, 64};
}

static void ApplySceneStartValues()
{
    if (CurrentScene < 0 || CurrentScene >= SceneCount) return;
    if (SceneTable[CurrentScene].StartValues != nullptr) SceneTable[CurrentScene].StartValues();
}

void SceneSetup()
{
    SceneEndCount = 0;
    MenuPictureShown = false;
    ChosenCell = -1;  // back at the menu, a tap or a letter key names its letter before it opens it
    glClearIndex(0);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    ReadStoneTexture();
    LoadBackgroundPicture();
    SwapRedAndBlue();
    SetFixedDrawingState();
    UploadBackgroundPicture(BackgroundImage, PictureWidth, PictureHeight);
    PoseFigureAndRigs();
    ApplySceneStartValues();
    SendSoundCommand("open auto.wav alias auto");
}
