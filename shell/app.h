// Start-up, the frame loop, the window's messages and shutdown.
#pragma once

#include <cstdint>

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
// One pass of the frame loop; false once the quit message has been taken.
bool RunLoopPass(int& exitCode);
// The whole run on the installed platform: start-up, then the loop. Returns
// the process exit code, StartupFailedExitCode when start-up failed.
int RunApplication();
