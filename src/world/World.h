// World.h -- the world state: every variable the shell, framework, figures and scenes share, and the
// scenes' names.
// One thread touches them all. Zero at program start unless an initial value is given.
#pragma once
#include <cstdint>
#include "platform/Image.h"
#include "platform/Window.h"
#include "world/RigRecords.h"

// The scenes by name: the letter scenes A to Z (V and W share one) and the menu, in the order of the
// menu's cells.
enum SceneIndex : int32_t {
    SceneA, SceneB, SceneC, SceneD, SceneE, SceneF, SceneG, SceneH, SceneI, SceneJ, SceneK, SceneL, SceneM,
    SceneN, SceneO, SceneP, SceneQ, SceneR, SceneS, SceneT, SceneU, SceneVW, SceneX, SceneY, SceneZ,
    MenuScene,
    SceneCount  // the letter scenes and the menu
};
constexpr int LetterSceneCount = MenuScene;
constexpr int StoneTextureBytes = 64 * 64 * 3;
constexpr int ModeReplyBytes = 256;

// --- the shell and the framework
extern WindowHandle MainWindow;       // set once the window exists
extern RenderHandle RenderContext;    // made current at window creation, deleted at close
extern int32_t CurrentScene;          // a SceneIndex: SceneA to SceneZ, or MenuScene, where it starts
extern int32_t SceneEndCount;         // passes done in the active scene; SceneSetup sets 0
extern int32_t SceneTick;             // the active scene's step counter; a menu click sets 0, J/L/O's set-up too
extern bool CueStarted;               // the scene's (or menu's) first cue is under way; a menu click clears it
extern bool KeyUp, KeyDown, KeyLeft, KeyRight;  // arrow keys; kept by the window procedure, read by nobody
extern uint32_t MenuEnterTick;        // the menu's last set-up: letter names are quiet for 1500 ms after it
extern bool MenuPictureShown;         // the menu's frame is on show; set-up and paint messages clear it
extern int32_t HoverCell;             // the letter cell last seen under the mouse, -1 before the first; never reset
extern int32_t ChosenCell;            // the letter cell the last tap or letter key named, -1 for none; every
                                      // set-up and a mouse move onto another letter clear it
extern uint8_t StoneTexture[StoneTextureBytes];  // 64 x 64 red-green-blue texels, reread by every set-up
extern ImageRecord BackgroundBitmap;  // the picture behind the scene, replaced by every set-up
extern uint8_t* BackgroundImage;      // its pixels: 760 x 550, red-green-blue after set-up, bottom row first
extern char ModeReply[ModeReplyBytes];          // the mode-change watch (S, X, Y)
extern char PreviousModeReply[ModeReplyBytes];  // starts empty and is never cleared

// --- "Find the letter": a round is a state of the menu. The game's steps (app/Game.cpp) set all of it: a round
// starts from --game at start-up or Space in the menu, and ends with Escape in the menu or after its fifth
// letter. Set-up leaves it alone, so a round goes on across the scenes it opens.
enum GameMode : int32_t { GameOff, GameNames, GameSounds };
enum GameStep : int32_t {
    GameStepAsk,           // the question comes once the menu has settled
    GameStepWaiting,       // asked: an answer is taken; unanswered, it is asked again
    GameStepCheer,         // a right answer's cheer, then the letter's scene
    GameStepNaming,        // a wrong answer: the chosen letter's name, then the question again
    GameStepInScene,       // the asked letter's scene runs; back at the menu, the next question
    GameStepClosing,       // the fifth scene has handed back: the closing cheer comes once the menu has settled
    GameStepClosingCheer   // the closing cheer plays; when it ends, so does the round
};
enum FigureGestureKind : int32_t { GestureNone, GestureNod, GestureShake };
constexpr int GameRoundLetters = 5;
extern int32_t GameModeNow;           // a GameMode: GameOff when no round runs
extern int32_t GameStepNow;           // a GameStep
extern int32_t GameLetters[GameRoundLetters];  // the round's letter cells (0 = A ... 25 = Z), all different
extern int32_t GamePrompt;            // which of them is asked, 0 to 4
extern int32_t GameWrongAnswers;      // wrong answers to the question asked now
extern int32_t GameRepeats;           // times the question was asked again unanswered
extern int32_t GameAnswerCell;        // the letter whose scene comes next: the one found, else the one asked
extern uint32_t GamePromptTick;       // when the question was last asked
extern int32_t FigureGesture;         // a FigureGestureKind: the menu's figure nods (right) or shakes its head
extern int32_t FigureGestureFrame;    // frames of the gesture so far
extern float FigureHeadPitch;         // degrees the head is bowed; 0 but during a nod
extern float FigureHeadYaw;           // degrees the head is turned; 0 but during a shake

// --- the figure; set-up poses it
extern float FigureX;
extern float FigureZ;                 // the figure is drawn at z = FigureZ - 8
extern float FigureHeading;           // degrees about the vertical
extern LegRig FigureLegA, FigureLegB;
extern ArmRig FigureArmA, FigureArmB;
extern LegRig CompanionLegA, CompanionLegB;  // the second figure (P, R)
extern ArmRig CompanionArmA, CompanionArmB;  // the second figure's arms (P, R, X)
extern ColourTriple LimbColour;       // legs and torsos; 64, 64, 64 after set-up
extern ColourTriple HeadColour;       // the player's head; 90, 64, 64 after set-up
extern int32_t HeadPhase;             // stepped by K, O, P, Q, R, T, V/W, X, Z; read by the body variants and U

// --- shared scene variables: set-up leaves them alone unless noted, so a scene starts with what the
// last scene that used them left there
extern bool SoundLatch;               // A, C, E, G, H, M, N, V/W, X, Z
extern bool SecondCueStarted;         // H, N, V/W, X
extern int32_t EndWait;               // A, H
extern int32_t SceneCounterA;         // P, R
extern int32_t SceneCounterB;         // P, R, T, X, Z
extern int32_t SceneCounterC;         // C, G
extern int32_t SceneCounterD;         // C, G
extern float TiltAngle;               // Z; set-up of Z gives 10
extern float SpinAngle;               // J; set-up of J gives 170
extern float BounceDrop;              // G, J, T, Y; set-up gives 7.5 for T, 7.6 for Y
extern float BounceSpeed;             // G, J, T, Y
extern float SceneValueA;             // V/W
extern float SceneValueB, SceneValueC;                // O, Q
extern float SceneValueD, SceneValueE, SceneValueF;   // M, N
