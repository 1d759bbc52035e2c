// A physics step allocates nothing: the global allocation functions are
// replaced for this test program (see
// IdleFrameAllocationTest.cpp) and count while a step runs.

#include "physics/BusyWorld.h"

#include "support/AllocationCount.h"

#include <gtest/gtest.h>

TEST(StepAllocation, AStepAllocatesNothing) {
  busy::World world;
  float previous = 0;
  allocationCount = 0;
  for (int i = 0; i < 120; ++i) {
    allocationCounting = true;
    world.simulation.step(previous, 1 / 60.0f);
    allocationCounting = false;
    previous = 1 / 60.0f;
  }
  EXPECT_GT(world.recorder.contacts, 0);
  EXPECT_EQ(allocationCount, 0);

  // The counter itself sees allocations.
  allocationCounting = true;
  delete new int(1);
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 1);
}
