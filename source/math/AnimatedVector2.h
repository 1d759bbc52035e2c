#pragma once
// A 2-D member with one channel for both components and one for each; a
// component's own channel wins over the shared one.

#include "math/Channel.h"
#include "math/Vector2.h"

namespace math {

class AnimatedVector2 {
public:
  AnimatedVector2() = default;
  explicit AnimatedVector2(const Vector2 &value) : m_value(value) {}
  AnimatedVector2(const AnimatedVector2 &other) { *this = other; }
  AnimatedVector2 &operator=(const AnimatedVector2 &other);
  ~AnimatedVector2();

  const Vector2 &value() const { return m_value; }
  void setValue(const Vector2 &value) { m_value = value; }
  Channel *channel() const { return m_channel; }
  Channel *channelX() const { return m_channelX; }
  Channel *channelY() const { return m_channelY; }
  // Each takes ownership (null allowed) and deletes the channel held before.
  void setChannel(Channel *channel);
  void setChannelX(Channel *channel);
  void setChannelY(Channel *channel);

  Vector2 evaluate(float time) const;
  float duration() const;
  bool isLooping() const;
  bool isDefault() const;

  bool read(file::ByteProducer &in);
  bool write(file::ByteReceiver &out) const;

private:
  Vector2 m_value;
  Channel *m_channel = nullptr;
  Channel *m_channelX = nullptr;
  Channel *m_channelY = nullptr;
};

} // namespace math
