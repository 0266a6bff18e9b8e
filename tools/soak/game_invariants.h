// What must hold of the game's state at the end of every frame, whatever
// the input: known scenes and phases, well cells of known codes with the
// walls and the floor intact, run marks of block codes, a falling pair that
// stands upright in the playing area, a score in whole tens and a fall
// interval within its range.
#pragma once

#include <string>

// False, with fault saying what is wrong, when any of it does not hold.
bool CheckGameInvariants(std::string& fault);
