// Every game value that decides what later frames do or show, by its name in
// the code: the scene, the pause, the input values, the wells and players,
// the scores and speed, the random state, the fall timer, the menus and
// cursors, the captions and animations. The state hash, the start of a
// recorded game and its playback all go through this one list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class ValueKind : uint8_t { U8, U32, I32, Bool, Float, Double };

struct StateVariable {
  const char* name;
  void* address;
  ValueKind kind;
  size_t count;     // elements, row by row for grids
  bool setByInput;  // one of the input values, which every frame's input sample sets
};

std::span<const StateVariable> StateVariables();
// Nullptr for a name that is not in the list.
const StateVariable* FindStateVariable(std::string_view name);

// An element as 64 bits: an integer's value (signed ones sign-extended) or a
// floating-point value's bit pattern.
uint64_t ReadStateElement(const StateVariable& variable, size_t index);
void WriteStateElement(const StateVariable& variable, size_t index, uint64_t bits);

// The shortest text that reads back to the same element, and the reading of
// it; false for text that is no value of the kind (out of range, not finite).
std::string StateElementText(ValueKind kind, uint64_t bits);
bool ParseStateElement(ValueKind kind, std::string_view text, uint64_t& bits);

// Every element of every variable, in list order.
using StateImage = std::vector<uint64_t>;
StateImage CaptureState();
// Puts the variable's present values into the image.
void CopyIntoImage(const StateVariable& variable, StateImage& image);

// The values of one variable, as a recording's start holds them.
struct StateValues {
  const StateVariable* variable = nullptr;
  std::vector<uint64_t> elements;
};

// The variables whose values in image differ from those in base, leaving out
// the input values.
std::vector<StateValues> ChangedValues(const StateImage& image, const StateImage& base);
void ApplyValues(const std::vector<StateValues>& values);
