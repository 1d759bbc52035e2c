#pragma once
// Marks the end of a channel and keeps the value the earlier frames built up.

#include "math/Frame.h"

namespace math {

class FinalFrame : public Frame {
public:
  FinalFrame() = default;
  explicit FinalFrame(float time) : Frame(time, TWEEN_LINEAR) {}

  static Symbol typeSymbol();
  Symbol getType() const override { return typeSymbol(); }
  Frame *clone() const override { return new FinalFrame(*this); }
};

} // namespace math
