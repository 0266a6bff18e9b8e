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

// How a value stands when a game starts on the title.
enum class StartRole : uint8_t {
  Carried,  // left by the games before, within the variable's bounds
  Fixed,    // always at its program-start value: every game's end puts it back
  Input,    // one of the input values, which every frame's input sample sets
};

struct StateVariable {
  const char* name;
  void* address;
  ValueKind kind;
  size_t count;  // elements, row by row for grids
  StartRole role;
  // The bounds of a carried value's elements: every value a game leaves
  // behind is within them, and the game reads inside its tables with any.
  double lowest;
  double highest;
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
// Whether an element is within the variable's bounds.
bool WithinBounds(const StateVariable& variable, uint64_t bits);

// Every element of every variable, in list order.
using StateImage = std::vector<uint64_t>;
StateImage CaptureState();
// The same into an image whose memory is kept, for a capture every frame.
void CaptureStateInto(StateImage& image);
// Puts the variable's present values into the image.
void CopyIntoImage(const StateVariable& variable, StateImage& image);

// The values of one variable, as a recording's start holds them.
struct StateValues {
  const StateVariable* variable = nullptr;
  std::vector<uint64_t> elements;
};

// The carried variables whose values in image differ from those in base.
std::vector<StateValues> ChangedValues(const StateImage& image, const StateImage& base);
void ApplyValues(const std::vector<StateValues>& values);
