#include "recording/state_variables.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "input/input.h"
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
StateVariable Variable(const char* name, T& value, bool setByInput = false) {
  if constexpr (std::is_array_v<T>) {
    using Element = std::remove_all_extents_t<T>;
    return {name, &value, KindOf<Element>(), sizeof(T) / sizeof(Element), setByInput};
  } else {
    return {name, &value, KindOf<T>(), 1, setByInput};
  }
}

const std::vector<StateVariable>& List() {
  static const std::vector<StateVariable> list = {
      Variable("currentScene", currentScene),
      Variable("gamePaused", gamePaused),
      Variable("keyDirections", keyDirections, true),
      Variable("keyButton", keyButton, true),
      Variable("joyDirections", joyDirections, true),
      Variable("joyButtons", joyButtons, true),
      Variable("joystickPresent", joystickPresent, true),
      Variable("well", well),
      Variable("clearMarks", clearMarks),
      Variable("pairTopRow", pairTopRow),
      Variable("pairTopCol", pairTopCol),
      Variable("pairBottomRow", pairBottomRow),
      Variable("pairBottomCol", pairBottomCol),
      Variable("nextTop", nextTop),
      Variable("nextBottom", nextBottom),
      Variable("nextPairReady", nextPairReady),
      Variable("playerPhase", playerPhase),
      Variable("spawnRow", spawnRow),
      Variable("viewTopRow", viewTopRow),
      Variable("raisedRows", raisedRows),
      Variable("frameTiles", frameTiles),
      Variable("lastFallTime", lastFallTime),
      Variable("fallStep", fallStep),
      Variable("dropRequested", dropRequested),
      Variable("repeatCount", repeatCount),
      Variable("chainCount", chainCount),
      Variable("bestChain", bestChain),
      Variable("flashDelay", flashDelay),
      Variable("flashRunning", flashRunning),
      Variable("flashTicks", flashTicks),
      Variable("flashFrame", flashFrame),
      Variable("clearedBlocks", clearedBlocks),
      Variable("turnClearCount", turnClearCount),
      Variable("attackMeter", attackMeter),
      Variable("score", score),
      Variable("fallInterval", fallInterval),
      Variable("specialsEarned", specialsEarned),
      Variable("specialPending", specialPending),
      Variable("effectLatch", effectLatch),
      Variable("randomState", randomState),
      Variable("bgScrollX", bgScrollX),
      Variable("bgScrollY", bgScrollY),
      Variable("wavePhase", wavePhase),
      Variable("waveLines", waveLines),
      Variable("waveTick", waveTick),
      Variable("logoY", logoY),
      Variable("logoVelocity", logoVelocity),
      Variable("logoGravity", logoGravity),
      Variable("logoFrames", logoFrames),
      Variable("menuSelection", menuSelection),
      Variable("menuRepeat", menuRepeat),
      Variable("menuCursorTick", menuCursorTick),
      Variable("menuCursorOffset", menuCursorOffset),
      Variable("speedCursorX", speedCursorX),
      Variable("speedRepeat", speedRepeat),
      Variable("introCaptionY", introCaptionY),
      Variable("introCaptionSpeed", introCaptionSpeed),
      Variable("introCaption1Braking", introCaption1Braking),
      Variable("introCaption2Braking", introCaption2Braking),
      Variable("introCaption2Active", introCaption2Active),
      Variable("gameOverCaptionY", gameOverCaptionY),
      Variable("gameOverCaptionSpeed", gameOverCaptionSpeed),
      Variable("gameOverCaptionBraking", gameOverCaptionBraking),
      Variable("scatterActive", scatterActive),
      Variable("scatterInitDone", scatterInitDone),
      Variable("scatterDrift", scatterDrift),
      Variable("scatterFallSpeed", scatterFallSpeed),
      Variable("cellOffsetX", cellOffsetX),
      Variable("cellOffsetY", cellOffsetY),
      Variable("bestScore", bestScore),
      Variable("blockAnimTick", blockAnimTick),
      Variable("gaugeAnimTick", gaugeAnimTick),
  };
  return list;
}

size_t ElementSize(ValueKind kind) {
  switch (kind) {
    case ValueKind::U8:
    case ValueKind::Bool:
      return 1;
    case ValueKind::U32:
    case ValueKind::I32:
    case ValueKind::Float:
      return 4;
    case ValueKind::Double:
      return 8;
  }
  return 0;
}

template <typename Integer>
bool ParseInteger(std::string_view text, Integer& value) {
  const char* end = text.data() + text.size();
  auto [rest, fault] = std::from_chars(text.data(), end, value);
  return !text.empty() && fault == std::errc() && rest == end;
}

template <typename Real>
bool ParseReal(std::string_view text, Real& value) {
  const char* end = text.data() + text.size();
  auto [rest, fault] = std::from_chars(text.data(), end, value);
  return !text.empty() && fault == std::errc() && rest == end && std::isfinite(value);
}

template <typename Number>
std::string NumberText(Number value) {
  char buffer[32];
  const auto [end, fault] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return fault == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace

std::span<const StateVariable> StateVariables() { return List(); }

const StateVariable* FindStateVariable(std::string_view name) {
  for (const StateVariable& variable : List()) {
    if (name == variable.name) return &variable;
  }
  return nullptr;
}

uint64_t ReadStateElement(const StateVariable& variable, size_t index) {
  const auto* at = static_cast<const uint8_t*>(variable.address) + index * ElementSize(variable.kind);
  uint8_t byte = 0;
  uint32_t word = 0;
  uint64_t doubleWord = 0;
  switch (variable.kind) {
    case ValueKind::U8:
    case ValueKind::Bool:
      std::memcpy(&byte, at, 1);
      return byte;
    case ValueKind::U32:
    case ValueKind::Float:
      std::memcpy(&word, at, sizeof word);
      return word;
    case ValueKind::I32:
      std::memcpy(&word, at, sizeof word);
      return static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(word)));
    case ValueKind::Double:
      std::memcpy(&doubleWord, at, sizeof doubleWord);
      return doubleWord;
  }
  return 0;
}

void WriteStateElement(const StateVariable& variable, size_t index, uint64_t bits) {
  auto* at = static_cast<uint8_t*>(variable.address) + index * ElementSize(variable.kind);
  const auto byte = static_cast<uint8_t>(variable.kind == ValueKind::Bool ? bits != 0 : bits);
  const auto word = static_cast<uint32_t>(bits);
  switch (variable.kind) {
    case ValueKind::U8:
    case ValueKind::Bool:
      std::memcpy(at, &byte, 1);
      break;
    case ValueKind::U32:
    case ValueKind::I32:
    case ValueKind::Float:
      std::memcpy(at, &word, sizeof word);
      break;
    case ValueKind::Double:
      std::memcpy(at, &bits, sizeof bits);
      break;
  }
}

std::string StateElementText(ValueKind kind, uint64_t bits) {
  switch (kind) {
    case ValueKind::U8:
    case ValueKind::Bool:
    case ValueKind::U32:
      return std::to_string(bits);
    case ValueKind::I32:
      return std::to_string(static_cast<int64_t>(bits));
    case ValueKind::Float:
      return NumberText(std::bit_cast<float>(static_cast<uint32_t>(bits)));
    case ValueKind::Double:
      return NumberText(std::bit_cast<double>(bits));
  }
  return {};
}

bool ParseStateElement(ValueKind kind, std::string_view text, uint64_t& bits) {
  switch (kind) {
    case ValueKind::U8:
    case ValueKind::Bool: {
      uint8_t value = 0;
      if (!ParseInteger(text, value) || (kind == ValueKind::Bool && value > 1)) return false;
      bits = value;
      return true;
    }
    case ValueKind::U32: {
      uint32_t value = 0;
      if (!ParseInteger(text, value)) return false;
      bits = value;
      return true;
    }
    case ValueKind::I32: {
      int32_t value = 0;
      if (!ParseInteger(text, value)) return false;
      bits = static_cast<uint64_t>(static_cast<int64_t>(value));
      return true;
    }
    case ValueKind::Float: {
      float value = 0;
      if (!ParseReal(text, value)) return false;
      bits = std::bit_cast<uint32_t>(value);
      return true;
    }
    case ValueKind::Double: {
      double value = 0;
      if (!ParseReal(text, value)) return false;
      bits = std::bit_cast<uint64_t>(value);
      return true;
    }
  }
  return false;
}

StateImage CaptureState() {
  StateImage image;
  for (const StateVariable& variable : List()) {
    for (size_t i = 0; i < variable.count; ++i) image.push_back(ReadStateElement(variable, i));
  }
  return image;
}

void CopyIntoImage(const StateVariable& target, StateImage& image) {
  size_t at = 0;
  for (const StateVariable& variable : List()) {
    if (&variable == &target) {
      for (size_t i = 0; i < variable.count; ++i) image[at + i] = ReadStateElement(variable, i);
      return;
    }
    at += variable.count;
  }
}

std::vector<StateValues> ChangedValues(const StateImage& image, const StateImage& base) {
  std::vector<StateValues> changed;
  size_t at = 0;
  for (const StateVariable& variable : List()) {
    const auto begin = image.begin() + static_cast<std::ptrdiff_t>(at);
    const auto end = begin + static_cast<std::ptrdiff_t>(variable.count);
    if (!variable.setByInput && !std::equal(begin, end, base.begin() + static_cast<std::ptrdiff_t>(at))) {
      changed.push_back({&variable, std::vector<uint64_t>(begin, end)});
    }
    at += variable.count;
  }
  return changed;
}

void ApplyValues(const std::vector<StateValues>& values) {
  for (const StateValues& entry : values) {
    for (size_t i = 0; i < entry.elements.size() && i < entry.variable->count; ++i) {
      WriteStateElement(*entry.variable, i, entry.elements[i]);
    }
  }
}
