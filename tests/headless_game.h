// A test fixture running the game on the headless platform, every global back
// at its program-start value before and after each test.
#pragma once

#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "shell/reset.h"

class HeadlessGame : public ::testing::Test {
 protected:
  void SetUp() override {
    headless.Install();
    ResetGameState();
  }
  void TearDown() override { ResetGameState(); }

  platform::Headless headless;
};
