// The counter that support/AllocationCounter.h's allocation functions move.
// Other files of the same program include this one to read it.
#pragma once

inline bool allocationCounting = false;
inline long allocationCount = 0;
