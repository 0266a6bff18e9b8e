#include "net/handshake.h"

#include <vector>

namespace net {

namespace {

std::string RunLength(uint32_t lastFrame) {
  return lastFrame == 0 ? "until it is ended" : std::to_string(lastFrame) + " frames";
}

}  // namespace

std::string HandshakeMismatch(const PeerInfo& mine, const PeerInfo& theirs) {
  // Nothing after the protocol number can be trusted when that differs.
  if (theirs.protocol != mine.protocol) {
    return "the other game speaks network protocol " + std::to_string(theirs.protocol) + ", this one " +
           std::to_string(mine.protocol);
  }
  std::vector<std::string> differences;
  if (theirs.gameVersion != mine.gameVersion) {
    differences.push_back("the other game is version " + theirs.gameVersion + ", this one " + mine.gameVersion);
  }
  if (theirs.dataChecksum != mine.dataChecksum) {
    differences.push_back("the other game's data files differ from this one's");
  }
  if (theirs.lastFrame != mine.lastFrame) {
    differences.push_back("the other side runs " + RunLength(theirs.lastFrame) + ", this one " +
                          RunLength(mine.lastFrame));
  }
  std::string text;
  for (const std::string& difference : differences) text += (text.empty() ? "" : "; ") + difference;
  return text;
}

}  // namespace net
