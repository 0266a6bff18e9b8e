// kerzonk --watch FILE: a recorded game played in the game's window with its
// music and effects at the pace it was played, four times as fast while Tab
// is held; Escape ends it, and so does its last frame.
#pragma once

#include <iosfwd>
#include <string>

#include "recording/recording.h"

// Reads the recording and checks that this game can play it with the data
// in the current folder; false, with the reason said on err, when not.
bool PrepareToWatch(const std::string& path, Recording& recording, std::ostream& err);

// Runs the game on the installed platform, playing the recording. Returns
// the game's exit code, or 3 (said on err) when the game parted from the
// recording.
int RunWatching(const Recording& recording, std::ostream& err);
