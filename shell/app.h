// Start-up, the frame loop, the window's messages and shutdown.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/platform.h"

constexpr int StartupFailedExitCode = 1;

extern int appActive;
extern int surfacesLost;
// Game frames run in one pass of the loop and shown as one: 1, or more to
// play faster (a recorded game watched at four times its pace).
extern int framesPerPass;

// 1 when the game can run; 0 when start-up failed (its notices have been shown).
int InitApplication();
// Runs until a quit message; returns its exit code.
int RunFrameLoop();
void MainWindowProc(const platform::Message& message);
// A quit message sets the exit code and gives false; any other goes to
// MainWindowProc.
bool HandleMessage(const platform::Message& message, int& exitCode);
// Lets go of the music, the sounds and the display.
void ReleaseAll();
// One pass of the frame loop; false once the quit message has been taken.
bool RunLoopPass(int& exitCode);
// While the window is inactive a pass waits for the next message, or calls
// the function set here instead (a network game keeps its link alive); an
// empty function sets the waiting back.
void SetInactiveWait(std::function<void()> wait);
// The whole run on the installed platform: start-up, then the loop. Returns
// the process exit code, StartupFailedExitCode when start-up failed.
int RunApplication();
