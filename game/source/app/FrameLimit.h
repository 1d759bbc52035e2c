#pragma once
// The program's main loop host when it was asked to stop by itself: the run
// ends once the framework has counted the given number of frames of the
// running game (the count its frame-rate report gives).

#include "framework/MainLoop.h"

#include <cstdint>

class FrameLimit : public framework::LoopHost {
public:
  explicit FrameLimit(uint32_t frames) : m_frames(frames) {}

  // Past the limit the pass draws nothing and the loop ends after it.
  bool active(Framework &framework) override;

private:
  uint32_t m_frames;
};
