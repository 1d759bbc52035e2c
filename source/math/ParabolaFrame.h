#pragma once
// A power curve c + a * (t * b)^exponent added to the value the earlier
// frames built up; the tween is not used.

#include "math/Frame.h"

namespace math {

class ParabolaFrame : public Frame {
public:
  ParabolaFrame() = default;

  static Symbol typeSymbol();
  Symbol getType() const override { return typeSymbol(); }
  float value(float previous, float progress) const override;
  bool load(const quip::Dictionary &dict) override;
  // Writes its parameters too, so that a saved channel loads back the same.
  void save(quip::Dictionary &dict) const override;
  Frame *clone() const override { return new ParabolaFrame(*this); }

  void set(float a, float b, float c, int exponent) {
    m_a = a;
    m_b = b;
    m_c = c;
    m_exponent = exponent;
  }

private:
  float m_a = 1.0f;
  float m_b = 1.0f;
  float m_c = 0.0f;
  int m_exponent = 2;
};

} // namespace math
