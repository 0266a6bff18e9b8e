// Editing the settings file's text line by line, so that a change leaves the
// player's other lines and comments as they were.
#pragma once

#include <string>

// Sets name = value in section: the last line that sets name there is
// rewritten; failing that, a commented-out "# name = ..." line there is
// taken; failing that, the line goes at the end of the section, and a missing
// section is added at the end of the text.
std::string SetEntry(const std::string& text, const std::string& section, const std::string& name,
                     const std::string& value);
