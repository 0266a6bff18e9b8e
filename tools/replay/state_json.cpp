#include "tools/replay/state_json.h"

#include "rules/state.h"
#include "screens/screens.h"
#include "shell/scenes.h"

namespace {

class JsonObject {
 public:
  explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
  ~JsonObject() { out_ += '}'; }

  void Number(const char* key, int64_t value) {
    Key(key);
    out_ += std::to_string(value);
  }

  void Grid(const char* key, const uint8_t (&grid)[WellRows][WellColumns]) {
    Key(key);
    out_ += '[';
    for (int row = 0; row < WellRows; ++row) {
      if (row > 0) out_ += ", ";
      out_ += '[';
      for (int column = 0; column < WellColumns; ++column) {
        if (column > 0) out_ += ", ";
        out_ += std::to_string(grid[row][column]);
      }
      out_ += ']';
    }
    out_ += ']';
  }

  void Key(const char* key) {
    if (!first_) out_ += ", ";
    first_ = false;
    out_ += '"';
    out_ += key;
    out_ += "\": ";
  }

 private:
  std::string& out_;
  bool first_ = true;
};

void PlayerJson(std::string& out, int p) {
  JsonObject player(out);
  player.Number("playerPhase", playerPhase[p]);
  player.Grid("well", well[p]);
  player.Grid("clearMarks", clearMarks[p]);
  player.Number("pairTopRow", pairTopRow[p]);
  player.Number("pairTopCol", pairTopCol[p]);
  player.Number("pairBottomRow", pairBottomRow[p]);
  player.Number("pairBottomCol", pairBottomCol[p]);
  player.Number("nextTop", nextTop[p]);
  player.Number("nextBottom", nextBottom[p]);
  player.Number("nextPairReady", nextPairReady[p]);
  player.Number("clearedBlocks", clearedBlocks[p]);
  player.Number("chainCount", chainCount[p]);
  player.Number("bestChain", bestChain[p]);
  player.Number("turnClearCount", turnClearCount[p]);
  player.Number("attackMeter", attackMeter[p]);
  player.Number("raisedRows", raisedRows[p]);
  player.Number("spawnRow", spawnRow[p]);
  player.Number("viewTopRow", viewTopRow[p]);
  player.Number("fallStep", fallStep[p]);
  player.Number("dropRequested", dropRequested[p]);
}

}  // namespace

std::string GameStateJson(uint32_t frame) {
  std::string out;
  {
    JsonObject game(out);
    game.Number("frame", frame);
    game.Number("currentScene", currentScene);
    game.Number("score", score);
    game.Number("bestScore", bestScore);
    game.Number("fallInterval", fallInterval);
    game.Number("specialsEarned", specialsEarned);
    game.Number("specialPending", specialPending);
    game.Number("effectLatch", effectLatch);
    game.Number("menuSelection", menuSelection);
    game.Number("speedCursorX", speedCursorX);
    game.Key("players");
    out += '[';
    for (int p = 0; p < PlayerCount; ++p) {
      if (p > 0) out += ", ";
      PlayerJson(out, p);
    }
    out += ']';
  }
  return out;
}
