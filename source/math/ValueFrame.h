#pragma once
// Goes to a value: absolute (held over the interval) or relative to the
// value the earlier frames built up (tweened from there).

#include "math/Frame.h"

namespace math {

class ValueFrame : public Frame {
public:
  ValueFrame() = default;
  ValueFrame(float time, int tween, float value, bool relative)
      : Frame(time, tween), m_value(value), m_relative(relative) {}

  static Symbol typeSymbol();
  Symbol getType() const override { return typeSymbol(); }
  float value(float previous, float progress) const override;
  void setValue(float value) override { m_value = value; }
  bool load(const quip::Dictionary &dict) override;
  void save(quip::Dictionary &dict) const override;
  Frame *clone() const override { return new ValueFrame(*this); }

  float targetValue() const { return m_value; }
  bool isRelative() const { return m_relative; }
  void setRelative(bool relative) { m_relative = relative; }

private:
  float m_value = 0.0f;
  bool m_relative = true;
};

} // namespace math
