#pragma once
// A main-loop host with a clock the test moves by hand: sleeping advances it,
// the window is active unless the test says otherwise, and no platform
// events arrive.

#include "framework/MainLoop.h"

#include <vector>

namespace testing_support {

struct FakeLoopHost : framework::LoopHost {
  uint32_t now = 1000;
  bool isActive = true;
  int pumps = 0;
  std::vector<unsigned int> sleeps;

  uint32_t milliseconds() override { return now; }
  void sleep(unsigned int milliseconds) override {
    sleeps.push_back(milliseconds);
    now += milliseconds;
  }
  bool active(Framework &) override { return isActive; }
  void pumpEvents() override { ++pumps; }
};

} // namespace testing_support
