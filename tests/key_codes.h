// Keys by name for the tests that hold them on the headless keyboard.
#pragma once

#include <gtest/gtest.h>

#include "platform/key_names.h"

inline platform::KeyCode KeyNamed(const char* name) {
  platform::KeyCode key = 0;
  EXPECT_TRUE(platform::KeyFromName(name, key)) << name;
  return key;
}
