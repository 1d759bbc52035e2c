#pragma once
// Tweens from its own value to the value the next frame starts with, which
// it caches whenever the channel relinks its frames.

#include "math/Frame.h"

namespace math {

class FixedFrame : public Frame {
public:
  FixedFrame() = default;
  FixedFrame(float time, int tween, float value)
      : Frame(time, tween), m_value(value), m_nextValue(value) {}

  static Symbol typeSymbol();
  Symbol getType() const override { return typeSymbol(); }
  float value(float previous, float progress) const override;
  void setValue(float value) override { m_value = value; }
  bool load(const quip::Dictionary &dict) override;
  void save(quip::Dictionary &dict) const override;
  Frame *clone() const override { return new FixedFrame(*this); }
  void setNext(Frame *next) override;

  float fixedValue() const { return m_value; }
  float nextValue() const { return m_nextValue; }

private:
  float m_value = 0.0f;
  float m_nextValue = 0.0f;
};

} // namespace math
