// The counter that support/AllocationCounter.h's allocation functions move.
// Other files of the same program include this one to read it.
#pragma once

// Per thread: only the thread that counts is measured, so the audio
// thread's or a name lookup's allocations never land in a frame's count.
inline thread_local bool allocationCounting = false;
inline long allocationCount = 0;
