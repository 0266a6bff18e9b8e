#include "recording/state_variables.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>


namespace {

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

bool WithinBounds(const StateVariable& variable, uint64_t bits) {
  double value = 0;
  switch (variable.kind) {
    case ValueKind::U8:
    case ValueKind::Bool:
    case ValueKind::U32:
      value = static_cast<double>(bits);
      break;
    case ValueKind::I32:
      value = static_cast<double>(static_cast<int64_t>(bits));
      break;
    case ValueKind::Float:
      value = std::bit_cast<float>(static_cast<uint32_t>(bits));
      break;
    case ValueKind::Double:
      value = std::bit_cast<double>(bits);
      break;
  }
  return value >= variable.lowest && value <= variable.highest;
}

void CaptureStateInto(StateImage& image) {
  image.clear();
  for (const StateVariable& variable : StateVariables()) {
    for (size_t i = 0; i < variable.count; ++i) image.push_back(ReadStateElement(variable, i));
  }
}

StateImage CaptureState() {
  StateImage image;
  CaptureStateInto(image);
  return image;
}

void CopyIntoImage(const StateVariable& target, StateImage& image) {
  size_t at = 0;
  for (const StateVariable& variable : StateVariables()) {
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
  for (const StateVariable& variable : StateVariables()) {
    const auto begin = image.begin() + static_cast<std::ptrdiff_t>(at);
    const auto end = begin + static_cast<std::ptrdiff_t>(variable.count);
    if (variable.role == StartRole::Carried &&
        !std::equal(begin, end, base.begin() + static_cast<std::ptrdiff_t>(at))) {
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
