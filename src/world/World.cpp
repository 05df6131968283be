// World.cpp -- the one definition of every world-state variable.
#include "world/World.h"

WindowHandle MainWindow;
RenderHandle RenderContext;
int32_t CurrentScene = MenuScene;
int32_t SceneEndCount;
int32_t SceneTick;
bool CueStarted;
bool KeyUp, KeyDown, KeyLeft, KeyRight;
uint32_t MenuEnterTick;
bool MenuPictureShown;
int32_t HoverCell = -1;
int32_t ChosenCell = -1;
uint8_t StoneTexture[StoneTextureBytes];
ImageRecord BackgroundBitmap;
uint8_t* BackgroundImage;
char ModeReply[ModeReplyBytes];
char PreviousModeReply[ModeReplyBytes];
int32_t GameModeNow = GameOff;
int32_t GameStepNow = GameStepAsk;
int32_t GameLetters[GameRoundLetters];
int32_t GamePrompt;
int32_t GameWrongAnswers;
int32_t GameRepeats;
int32_t GameAnswerCell;
uint32_t GamePromptTick;
int32_t FigureGesture = GestureNone;
int32_t FigureGestureFrame;
float FigureHeadPitch;
float FigureHeadYaw;

float FigureX;
float FigureZ;
float FigureHeading;
LegRig FigureLegA, FigureLegB;
ArmRig FigureArmA, FigureArmB;
LegRig CompanionLegA, CompanionLegB;
ArmRig CompanionArmA, CompanionArmB;
ColourTriple LimbColour;
ColourTriple HeadColour;
int32_t HeadPhase;

bool SoundLatch;
bool SecondCueStarted;
int32_t EndWait;
int32_t SceneCounterA;
int32_t SceneCounterB;
int32_t SceneCounterC;
int32_t SceneCounterD;
float TiltAngle;
float SpinAngle;
float BounceDrop;
float BounceSpeed;
float SceneValueA;
float SceneValueB, SceneValueC;
float SceneValueD, SceneValueE, SceneValueF;
