// The picture on the headless screen, through the palette it was shown with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless/headless.h"

// Red, green and blue bytes, row by row, display.width x display.height.
std::vector<uint8_t> ShownColours(const platform::HeadlessDisplay& display);

bool WriteScreenshot(const platform::HeadlessDisplay& display, const std::string& path);
