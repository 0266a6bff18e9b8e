// The replay input-script parser on any text, then a walk through the frames
// of what it accepts.
#include "tools/replay/input_script.h"

#include <string>

#include "fuzz/require.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  InputScript script;
  std::string error;
  if (!ParseInputScript(text, script, error)) {
    Require(!error.empty());
    return 0;
  }
  InputPlayer player(script);
  for (size_t i = 0; i < script.changes.size(); ++i) {
    const InputChange& change = script.changes[i];
    if (i > 0) Require(script.changes[i - 1].frame < change.frame);
    Require(player.HeldAt(change.frame) == change.held);
  }
  return 0;
}
