// Recording files on disk: read within a bound, written whole or not at all.
#pragma once

#include <string>

#include "recording/recording.h"

// A recording file longer than this is not read.
constexpr size_t MaxRecordingFileBytes = 64u << 20;

// The whole text of a regular file of at most maxBytes; false with a message
// naming the path otherwise.
bool ReadTextFile(const std::string& path, size_t maxBytes, std::string& text, std::string& error);

// Reads and parses a recording; the message names the path and, for a fault
// in the file, the line.
bool ReadRecordingFile(const std::string& path, Recording& recording, std::string& error);

// Writes the text to a temporary file beside path, syncs it, renames it over
// path and syncs the folder; false with the reason when any step fails, and
// path then holds what it held before.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error);
