// The scenes, the handler table and the changes between scenes.
#pragma once

#include <cstdint>

constexpr uint8_t SceneTitle = 0;
constexpr uint8_t SceneSpeedSelect = 1;
constexpr uint8_t SceneSolo = 2;
constexpr uint8_t SceneVersus = 3;

extern uint8_t currentScene;

// Entries 0..3 are scene handlers (argument ignored); entries 4..10 are the
// handlers of the player phases, called with the player number.
using SceneHandler = void (*)(uint8_t player);
constexpr int SceneHandlerCount = 11;
constexpr int PhaseHandlerBase = 4;
extern const SceneHandler SceneHandlerTable[SceneHandlerCount];

void CallSceneHandler(uint8_t scene);
// Runs the handler of the player's current phase.
void CallPhaseHandler(uint8_t player);

void SoloScene();
void VersusScene();
// What the game scenes draw before the phase handlers run (the versus raise
// gauges come after them).
void DrawSoloBoard();
void DrawVersusBoard();

void EnterSolo();
void EnterVersus();
void EnterSpeedSelect();

// The common tail of every scene change, once currentScene holds the new
// scene: fade to black, draw the scene, flip, draw it again so that both
// buffers hold it, change the music unless KeepMusic, fade back in.
constexpr int KeepMusic = -1;
void RevealScene(void (*drawScene)(), int musicSegment);
// The two returns to the title: currentScene becomes SceneTitle, then RevealScene.
void ReturnToTitle(int musicSegment);
