#pragma once
// A scalar member of a definition with an optional channel animating it.

#include "math/Channel.h"

namespace math {

class AnimatedFloat {
public:
  AnimatedFloat() = default;
  explicit AnimatedFloat(float value) : m_value(value) {}
  AnimatedFloat(const AnimatedFloat &other) { *this = other; }
  AnimatedFloat &operator=(const AnimatedFloat &other);
  ~AnimatedFloat() { delete m_channel; }

  float value() const { return m_value; }
  void setValue(float value) { m_value = value; }
  Channel *channel() const { return m_channel; }
  // Takes ownership (null allowed) and deletes the channel held before.
  void setChannel(Channel *channel);

  float evaluate(float time) const {
    return m_channel ? m_channel->evaluate(m_value, time) : m_value;
  }
  float duration() const { return m_channel ? m_channel->duration() : 0.0f; }
  bool isLooping() const { return m_channel && m_channel->loop(); }
  bool isDefault() const;

  // One flag byte, then the value and the channel it announces. False on a
  // truncated stream, or (nothing written) for a channel without binary form.
  bool read(file::ByteProducer &in);
  bool write(file::ByteReceiver &out) const;

private:
  float m_value = 0.0f;
  Channel *m_channel = nullptr;
};

} // namespace math
