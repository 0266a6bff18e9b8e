#include "recording/state_hash.h"

#include "recording/fnv_hash.h"
#include "recording/state_variables.h"

namespace {

// Mixes the high bits down so that every bit of the result depends on every element.
uint64_t Finish(uint64_t hash) {
  hash ^= hash >> 33;
  hash *= 0xff51afd7ed558ccdull;
  hash ^= hash >> 33;
  hash *= 0xc4ceb9fe1a85ec53ull;
  return hash ^ (hash >> 33);
}

}  // namespace

// Each element is taken as 64 bits, so the hash does not depend on the
// machine's byte order; one step per element is a bijection, so two states
// that differ in a single element always hash differently.
uint64_t GameStateHash() {
  uint64_t hash = FnvStart;
  for (const StateVariable& variable : StateVariables()) {
    for (size_t i = 0; i < variable.count; ++i) hash = FnvStep(hash, ReadStateElement(variable, i));
  }
  return Finish(hash);
}
