// SceneSetup.cpp -- prepares the active scene: texture, picture, GL state, figure pose, start values.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <GL/gl.h>
#include "framework/Framework.h"
#include "framework/World.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "render/Render.h"

constexpr int PictureWidth = 760;
constexpr int PictureHeight = 550;

// Without its floor the program cannot draw a scene: say which file and why, then end.
static void StopOnTextureError(const char* reason)
{
    char text[300];
    std::snprintf(text, sizeof text, "Cannot read the stone texture \"texstone1.raw\": %s", reason);
    std::fprintf(stderr, "quillora: %s\n", text);
    ShowMessageBox(text, "Error");
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
    glEnable(GL_POLYGON_STIPPLE);  // no pattern is ever set, so it masks nothing
    static const GLfloat NearLight[4] = {0, 0, 0, 1};
    static const GLfloat NightLight[4] = {-10000000000.0f, 20000000.0f, 4000000000.0f, 1};  // scene C's far light
    glLightfv(GL_LIGHT0, GL_POSITION, CurrentScene == 2 ? NightLight : NearLight);
    glClearColor(0, 0, 0, 0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glShadeModel(GL_SMOOTH);
    // The floor's texture, given to OpenGL once per set-up rather than in every frame: nothing else
    // changes it, so every frame shows the same texels.
    glTexImage2D(GL_TEXTURE_2D, 0, 3, 64, 64, 0, GL_RGB, GL_UNSIGNED_BYTE, StoneTexture);
}

static void PoseFigureAndRigs()
{
    FigureHeading = 90;
    FigureZ = 0;
    FigureX = 0;

    LegRigReset(FigureLegA, 1.1);
    LegRigReset(FigureLegB, 1.1);
    LegRigSetLengths(FigureLegA, 1.6, 1.5);
    LegRigSetLengths(FigureLegB, 1.6, 1.5);
    if (CurrentScene == 1 || CurrentScene == 4 || CurrentScene == 9) {
        FigureHeading = 180;  // B, E and J keep both legs in step
    } else {
        for (int i = 0; i < 6; i++) LegRigStep(FigureLegB);  // half a cycle ahead of the other leg
    }
    LegRigStep(FigureLegA);
    LegRigStep(FigureLegB);

    ArmRigReset(CompanionArmA, 1.1);
    ArmRigReset(CompanionArmB, 1.1);
    ArmRigSetLengths(CompanionArmA, 1.2, 1.0);
    ArmRigSetLengths(CompanionArmB, 1.2, 1.0);
    for (int i = 0; i < 11; i++) {
        ArmRigStep(CompanionArmA);
        ArmRigStep(CompanionArmB);
    }

    LegRigReset(CompanionLegA, 1.1);
    LegRigReset(CompanionLegB, 1.1);
    LegRigSetLengths(CompanionLegA, 1.6, 1.5);
    LegRigSetLengths(CompanionLegB, 1.6, 1.5);
    LegRigStep(CompanionLegA);
    LegRigStep(CompanionLegB);

    ArmRigReset(FigureArmA, 1.1);
    ArmRigReset(FigureArmB, 1.1);
    ArmRigSetLengths(FigureArmA, 1.2, 1.0);
    ArmRigSetLengths(FigureArmB, 1.2, 1.0);
    if (CurrentScene == 4) {
        for (int i = 0; i < 10; i++) {
            ArmRigStep(FigureArmA);
            ArmRigStep(FigureArmB);
        }
    } else {
        for (int i = 0; i < 6; i++) ArmRigStep(FigureArmB);
    }
    ArmRigStep(FigureArmA);
    ArmRigStep(FigureArmB);

    HeadColour = {90, 64, 64};
    LimbColour = {64, 64, 64};
}

static void StepArm(ArmRig& arm, int times)
{
    for (int i = 0; i < times; i++) ArmRigStep(arm);
}

static void PlaceFigure(float heading, float x, float z)
{
    FigureHeading = heading;
    FigureX = x;
    FigureZ = z;
}

static void ApplySceneStartValues()
{
    switch (CurrentScene) {
    case 1: StepArm(FigureArmA, 3); break;
    case 2:
        for (int i = 0; i < 10; i++) {
            ArmRigStep(FigureArmA);
            ArmRigStep(FigureArmB);
        }
        break;
    case 3: PlaceFigure(270, -7, -12); break;
    case 5: PlaceFigure(180, 0, 0); break;
    case 8: PlaceFigure(114, 0, 0); break;
    case 9:
        PlaceFigure(180, -3.5f, -2);
        SpinAngle = 170;
        SceneTick = 100;
        StepArm(FigureArmA, 11);
        StepArm(FigureArmB, 5);
        break;
    case 10: PlaceFigure(0, -23.1f, -3.1f); break;
    case 11:
        PlaceFigure(180, 0.9f, -2.1f);
        SceneTick = 0;
        break;
    case 14:
        PlaceFigure(180, -3.1f, -2.1f);
        SceneTick = 0;
        break;
    case 15: PlaceFigure(0, -10, 0); break;
    case 16: PlaceFigure(180, 4, 0); break;
    case 17: PlaceFigure(0, -10, 0); break;
    case 18: PlaceFigure(-90, -10, 0); break;
    case 19:
        PlaceFigure(-90, -10, 0);
        BounceDrop = 7.5f;
        break;
    case 20:
        PlaceFigure(0, -25, 0);
        StepArm(FigureArmA, 1);
        break;
    case 21:
        PlaceFigure(0, -10, 0);
        StepArm(FigureArmA, 1);
        break;
    case 22: PlaceFigure(180, 0, 0); break;
    case 23:
        PlaceFigure(180, 0, 0);
        BounceDrop = 7.6f;
        break;
    case 24:
        PlaceFigure(180, 0, 0);
        TiltAngle = 10;
        break;
    default: break;  // A, E, G, H, M, N and the menu keep the pose above
    }
}

void SceneSetup()
{
    SceneEndCount = 0;
    MenuPictureShown = false;
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
