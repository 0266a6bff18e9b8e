// The list of the game's values, with how each stands when a game starts.
#include <limits>
#include <type_traits>

#include "input/input.h"
#include "recording/state_variables.h"
#include "rules/state.h"
#include "screens/screens.h"
#include "shell/pause.h"
#include "shell/scenes.h"

namespace {

static_assert(sizeof(int) == 4 && sizeof(float) == 4 && sizeof(double) == 8);

template <typename T>
constexpr ValueKind KindOf() {
  if constexpr (std::is_same_v<T, bool>) {
    return ValueKind::Bool;
  } else if constexpr (std::is_same_v<T, uint8_t>) {
    return ValueKind::U8;
  } else if constexpr (std::is_same_v<T, uint32_t>) {
    return ValueKind::U32;
  } else if constexpr (std::is_same_v<T, int32_t>) {
    return ValueKind::I32;
  } else if constexpr (std::is_same_v<T, float>) {
    return ValueKind::Float;
  } else {
    static_assert(std::is_same_v<T, double>, "a value of a kind the list does not know");
    return ValueKind::Double;
  }
}

template <typename T>
using ElementOf = std::remove_all_extents_t<T>;

template <typename T>
StateVariable Variable(const char* name, T& value, StartRole role, double lowest, double highest) {
  return {name, &value, KindOf<ElementOf<T>>(), sizeof(T) / sizeof(ElementOf<T>), role, lowest, highest};
}

// Any value of an integer's type.
template <typename T>
StateVariable Carried(const char* name, T& value) {
  using Limits = std::numeric_limits<ElementOf<T>>;
  return Variable(name, value, StartRole::Carried, Limits::lowest(), Limits::max());
}

template <typename T>
StateVariable Carried(const char* name, T& value, double lowest, double highest) {
  return Variable(name, value, StartRole::Carried, lowest, highest);
}

template <typename T>
StateVariable Fixed(const char* name, T& value) {
  return Variable(name, value, StartRole::Fixed, 0, 0);
}

template <typename T>
StateVariable Input(const char* name, T& value) {
  return Variable(name, value, StartRole::Input, 0, 0);
}

// Bounds wide enough for what a game leaves, the positions of a pair
// anywhere in its well, the wave and the cursors within their tables.
constexpr double LastRow = WellRows - 1, LastColumn = WellColumns - 1;
constexpr double LastNextCode = 60;   // the last special code
constexpr double WaveDegrees = 360, LastWaveRow = 88;
constexpr double LastMenuItem = 2, MenuCursorTicks = 30;
constexpr double LogoReach = 1000, LogoFramesMoving = 455;
constexpr double BackdropReachX = -127, BackdropReachY = -119;
constexpr double SlowestFall = StartFallInterval;
constexpr double FlashDelayReach = 64, FallSpeedReach = 64;

const std::vector<StateVariable>& List() {
  static const std::vector<StateVariable> list = {
      Fixed("currentScene", currentScene),
      Fixed("gamePaused", gamePaused),
      Input("keyDirections", keyDirections),
      Input("keyButton", keyButton),
      Input("joyDirections", joyDirections),
      Input("joyButtons", joyButtons),
      Input("joystickPresent", joystickPresent),
      Fixed("well", well),
      Carried("clearMarks", clearMarks),
      Carried("pairTopRow", pairTopRow, 0, LastRow),
      Carried("pairTopCol", pairTopCol, 0, LastColumn),
      Carried("pairBottomRow", pairBottomRow, 0, LastRow),
      Carried("pairBottomCol", pairBottomCol, 0, LastColumn),
      Carried("nextTop", nextTop, 0, LastNextCode),
      Carried("nextBottom", nextBottom, 0, LastNextCode),
      Carried("nextPairReady", nextPairReady, 0, 1),
      Carried("playerPhase", playerPhase, PhaseIntro, PhaseGameOver),
      Fixed("spawnRow", spawnRow),
      Fixed("viewTopRow", viewTopRow),
      Fixed("raisedRows", raisedRows),
      Fixed("frameTiles", frameTiles),
      Carried("lastFallTime", lastFallTime),
      Carried("fallStep", fallStep),
      Carried("dropRequested", dropRequested),
      Carried("repeatCount", repeatCount),
      Carried("chainCount", chainCount),
      Carried("bestChain", bestChain),
      Carried("flashDelay", flashDelay, 0, FlashDelayReach),
      Carried("flashRunning", flashRunning),
      Carried("flashTicks", flashTicks),
      Carried("flashFrame", flashFrame),
      Fixed("clearedBlocks", clearedBlocks),
      Carried("turnClearCount", turnClearCount),
      Fixed("attackMeter", attackMeter),
      Fixed("score", score),
      Carried("fallInterval", fallInterval, 0, SlowestFall),
      Fixed("specialsEarned", specialsEarned),
      Fixed("specialPending", specialPending),
      Fixed("effectLatch", effectLatch),
      Carried("randomState", randomState),
      Carried("bgScrollX", bgScrollX, BackdropReachX, 0),
      Carried("bgScrollY", bgScrollY, BackdropReachY, 0),
      Carried("wavePhase", wavePhase, 0, WaveDegrees),
      Carried("waveLines", waveLines, 0, LastWaveRow),
      Carried("waveTick", waveTick),
      Carried("logoY", logoY, -LogoReach, LogoReach),
      Carried("logoVelocity", logoVelocity, -LogoReach, LogoReach),
      Carried("logoGravity", logoGravity, -LogoReach, LogoReach),
      Carried("logoFrames", logoFrames, 0, LogoFramesMoving),
      Carried("menuSelection", menuSelection, 0, LastMenuItem),
      Carried("menuRepeat", menuRepeat),
      Carried("menuCursorTick", menuCursorTick, 0, MenuCursorTicks),
      Carried("menuCursorOffset", menuCursorOffset),
      Carried("speedCursorX", speedCursorX, SpeedCursorSlowest, SpeedCursorFastest),
      Carried("speedRepeat", speedRepeat),
      Fixed("introCaptionY", introCaptionY),
      Fixed("introCaptionSpeed", introCaptionSpeed),
      Fixed("introCaption1Braking", introCaption1Braking),
      Fixed("introCaption2Braking", introCaption2Braking),
      Fixed("introCaption2Active", introCaption2Active),
      Fixed("gameOverCaptionY", gameOverCaptionY),
      Fixed("gameOverCaptionSpeed", gameOverCaptionSpeed),
      Fixed("gameOverCaptionBraking", gameOverCaptionBraking),
      Fixed("scatterActive", scatterActive),
      Fixed("scatterInitDone", scatterInitDone),
      Carried("scatterDrift", scatterDrift, -1, 1),
      Carried("scatterFallSpeed", scatterFallSpeed, 0, FallSpeedReach),
      Fixed("cellOffsetX", cellOffsetX),
      Fixed("cellOffsetY", cellOffsetY),
      Carried("bestScore", bestScore),
      Carried("blockAnimTick", blockAnimTick),
      Carried("gaugeAnimTick", gaugeAnimTick),
  };
  return list;
}

}  // namespace

std::span<const StateVariable> StateVariables() { return List(); }

const StateVariable* FindStateVariable(std::string_view name) {
  for (const StateVariable& variable : List()) {
    if (name == variable.name) return &variable;
  }
  return nullptr;
}
