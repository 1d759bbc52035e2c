// An idle frame of the running framework allocates nothing. The count comes
// from replacing the global allocation functions, which is why this is a
// program of its own.

#include "support/AllocationCounter.h"
#include "support/IdleFrame.h"

#include <gtest/gtest.h>

TEST(AllocationCounter, CountsOnlyWhileOn) {
  allocationCount = 0;
  ::operator delete(::operator new(16));
  allocationCounting = true;
  ::operator delete(::operator new(16));
  ::operator delete[](::operator new[](16));
  ::operator delete(::operator new(16, std::nothrow));
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 3);
}

TEST(IdleFrame, AllocatesNothing) {
  testing_support::IdleFrame idle;
  ASSERT_TRUE(idle.start());
  int drawn = idle.canvas->frames;
  allocationCount = 0;
  allocationCounting = true;
  for (int frame = 0; frame < 200; ++frame)
    idle.pass();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
  EXPECT_EQ(idle.canvas->frames - drawn, 200);
}
