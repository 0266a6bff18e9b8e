// The recording file: line-based text, described in the README.
#pragma once

#include <string>
#include <string_view>

#include "recording/recording.h"

// The first word of every recording; input scripts never start with it.
constexpr std::string_view RecordingMagic = "kerzonk-recording";

std::string RecordingText(const Recording& recording);

// True when the text is meant as a recording (it starts with the magic word).
bool LooksLikeRecording(std::string_view text);
// Reads a whole recording. On a fault returns false with a message naming
// the line; a file of another format version is refused the same way.
bool ParseRecording(std::string_view text, Recording& recording, std::string& error);
