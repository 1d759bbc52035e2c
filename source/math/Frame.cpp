#include "math/Frame.h"
#include "math/FixedFrame.h"
#include "math/NumberKey.h"

#include <cmath>
#include <numbers>

namespace math {

Symbol tweenName(int tween) {
  switch (tween) {
  case TWEEN_IMMEDIATE:
    return SYM(L"immediate");
  case TWEEN_EASE_IN_OUT:
    return SYM(L"easeInOut");
  case TWEEN_EASE_IN:
    return SYM(L"easeIn");
  case TWEEN_EASE_OUT:
    return SYM(L"easeOut");
  default:
    return SYM(L"linear");
  }
}

int tweenFromName(Symbol name) {
  if (name == SYM(L"immediate"))
    return TWEEN_IMMEDIATE;
  if (name == SYM(L"easeInOut"))
    return TWEEN_EASE_IN_OUT;
  if (name == SYM(L"easeIn"))
    return TWEEN_EASE_IN;
  if (name == SYM(L"easeOut"))
    return TWEEN_EASE_OUT;
  return TWEEN_LINEAR;
}

float ease(int tween, float t) {
  constexpr double pi = std::numbers::pi;
  switch (tween) {
  case TWEEN_EASE_IN_OUT:
    return float(0.5 + 0.5 * std::cos(pi + pi * t));
  case TWEEN_EASE_IN:
    return float(1.0 + std::cos(pi + pi * t / 2.0));
  case TWEEN_EASE_OUT:
    return float(std::sin(pi * t / 2.0));
  default:
    return t;
  }
}

float Frame::value(float previous, float) const { return previous; }

void Frame::setValue(float) {}

void Frame::setPrevious(Frame *) {}

void Frame::setNext(Frame *) {}

bool Frame::load(const quip::Dictionary &dict) {
  bool hasTime = readNumberKey(dict, SYM(L"time"), m_time);
  if (const quip::Token *tween = dict.lookup(SYM(L"tween")))
    m_tween = tween->type() == quip::TYPE_SYMBOL ? tweenFromName(tween->symbol()) : TWEEN_LINEAR;
  return hasTime;
}

void Frame::save(quip::Dictionary &dict) const {
  dict.set(SYM(L"time"), quip::Token(m_time));
  if (m_tween != TWEEN_LINEAR)
    dict.set(SYM(L"tween"), quip::Token(tweenName(m_tween), false));
  // A dictionary without "type" loads as a fixed frame.
  if (getType() != FixedFrame::typeSymbol())
    dict.set(SYM(L"type"), quip::Token(getType(), false));
}

} // namespace math
