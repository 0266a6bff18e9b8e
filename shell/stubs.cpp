// Placeholders until the shell is written.
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/notice.h"
#include "shell/scenes.h"
#include "platform/platform.h"

uint8_t currentScene;
int appActive;
int surfacesLost;
uint32_t nextFrameTick;
uint32_t lastTick;
int frameMs;

const SceneHandler SceneHandlerTable[SceneHandlerCount] = {};
void CallSceneHandler(uint8_t) {}
void CallPhaseHandler(uint8_t) {}
void SoloScene() {}
void VersusScene() {}
void EnterSolo() {}
void EnterVersus() {}
void EnterSpeedSelect() {}
void ShowNotice(const char* text) { platform::host().ShowNotice("お知らせ", text); }
int InitApplication() { return 0; }
int RunFrameLoop() { return 0; }
void MainWindowProc(const platform::Message&) {}
bool RunLoopPass(int&) { return false; }
void StartFrameClock(int) {}
void WaitNextFrame() {}
