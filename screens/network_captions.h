// The pictures around a network game: the moving backdrop with a caption in
// the middle of the screen while the game is being set up, and a notice
// when it has ended.
#pragma once

#include <cstdint>

enum class NetworkCaption : uint8_t {
  Waiting,         // the host, for a player to join
  Connecting,      // the joiner, for the host to answer
  OpponentLeft,    // the other player ended the game
  ConnectionLost,  // the other game stopped answering or sent something wrong
  OutOfSync,       // the two games no longer agree
};

// Draws the backdrop, moving it on, and the caption over it.
void DrawNetworkCaption(NetworkCaption caption);
