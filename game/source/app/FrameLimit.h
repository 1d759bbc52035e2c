#pragma once
// The program's main loop host when it was asked to stop by itself: the run
// ends after the given number of frames of the running game.

#include "framework/MainLoop.h"

#include <cstdint>

class FrameLimit : public framework::LoopHost {
public:
  explicit FrameLimit(uint32_t frames) : m_frames(frames) {}

  // Counts the running frames; the pass that draws the last one sets quit.
  bool active(Framework &framework) override;

  uint32_t framesDrawn() const { return m_drawn; }

private:
  uint32_t m_frames;
  uint32_t m_drawn = 0;
};
