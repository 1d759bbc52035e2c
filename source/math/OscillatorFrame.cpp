#include "math/OscillatorFrame.h"
#include "math/NumberKey.h"

#include <cmath>

namespace math {

Symbol OscillatorFrame::typeSymbol() { return SYM(L"oscillatorFrame"); }

float OscillatorFrame::value(float previous, float t) const {
  // Decay stops at zero rather than turning the wave over.
  float m = std::fmax(0.0f, m_magnitude - t * m_magnitudeDecay);
  float f = std::fmax(0.0f, m_frequency - t * m_frequencyDecay);
  return float(double(previous) + std::sin(double(m_offset + t * f)) * double(m));
}

bool OscillatorFrame::load(const quip::Dictionary &dict) {
  bool ok = Frame::load(dict);
  readNumberKey(dict, SYM(L"magnitude"), m_magnitude);
  readNumberKey(dict, SYM(L"magnitudeDecay"), m_magnitudeDecay);
  readNumberKey(dict, SYM(L"frequency"), m_frequency);
  readNumberKey(dict, SYM(L"frequencyDecay"), m_frequencyDecay);
  readNumberKey(dict, SYM(L"offset"), m_offset);
  return ok;
}

void OscillatorFrame::save(quip::Dictionary &dict) const {
  Frame::save(dict);
  dict.set(SYM(L"magnitude"), quip::Token(m_magnitude));
  dict.set(SYM(L"magnitudeDecay"), quip::Token(m_magnitudeDecay));
  dict.set(SYM(L"frequency"), quip::Token(m_frequency));
  dict.set(SYM(L"frequencyDecay"), quip::Token(m_frequencyDecay));
  dict.set(SYM(L"offset"), quip::Token(m_offset));
}

} // namespace math
