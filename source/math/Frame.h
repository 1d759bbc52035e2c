#pragma once
// One key frame of an animated scalar. A frame governs the interval from its
// own time to the next frame's time: given the value that the frames before
// it built up ("previous") and how far the interval has run (0 to 1), it says
// what the value is. Frames are owned by their channel.

#include "xstring/Symbol.h"

namespace quip {
class Dictionary;
}

namespace math {

enum Tween {
  TWEEN_IMMEDIATE = 0,
  TWEEN_LINEAR = 1,
  TWEEN_EASE_IN_OUT = 2,
  TWEEN_EASE_IN = 3,
  TWEEN_EASE_OUT = 4,
};

// Any number outside the five names "linear".
Symbol tweenName(int tween);
// Any unknown name gives linear.
int tweenFromName(Symbol name);
// Eased progress of the four moving tweens (1 to 4); other tweens give t.
float ease(int tween, float t);

class Frame {
public:
  Frame() = default;
  Frame(float time, int tween) : m_time(time), m_tween(tween) {}
  virtual ~Frame() = default;

  virtual Symbol getType() const = 0;
  virtual float value(float previous, float progress) const;
  virtual void setValue(float value);
  // Reads "time" (required: false when it is missing) and "tween".
  virtual bool load(const quip::Dictionary &dict);
  virtual void save(quip::Dictionary &dict) const;
  virtual Frame *clone() const = 0;
  // Told by the channel whenever its frame list changes.
  virtual void setPrevious(Frame *previous);
  virtual void setNext(Frame *next);

  float time() const { return m_time; }
  void setTime(float time) { m_time = time; }
  int tween() const { return m_tween; }
  void setTween(int tween) { m_tween = tween; }

protected:
  float m_time = 0.0f;
  int m_tween = TWEEN_LINEAR;
};

} // namespace math
