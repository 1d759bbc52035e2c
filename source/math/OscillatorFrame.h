#pragma once
// A decaying sine around the value the earlier frames built up. Frequency is
// in radians per whole interval; the tween is not used.

#include "math/Frame.h"

namespace math {

class OscillatorFrame : public Frame {
public:
  OscillatorFrame() = default;

  static Symbol typeSymbol();
  Symbol getType() const override { return typeSymbol(); }
  float value(float previous, float progress) const override;
  bool load(const quip::Dictionary &dict) override;
  // Writes its parameters too, so that a saved channel loads back the same.
  void save(quip::Dictionary &dict) const override;
  Frame *clone() const override { return new OscillatorFrame(*this); }

  void set(float magnitude, float magnitudeDecay, float frequency, float frequencyDecay,
           float offset) {
    m_magnitude = magnitude;
    m_magnitudeDecay = magnitudeDecay;
    m_frequency = frequency;
    m_frequencyDecay = frequencyDecay;
    m_offset = offset;
  }

private:
  float m_magnitude = 1.0f;
  float m_magnitudeDecay = 0.0f;
  float m_frequency = 1.0f;
  float m_frequencyDecay = 0.0f;
  float m_offset = 0.0f;
};

} // namespace math
