#pragma once
// A colour member with one optional channel per component.

#include "math/Channel.h"
#include "math/Color.h"

namespace math {

class AnimatedColor {
public:
  AnimatedColor() = default;
  explicit AnimatedColor(const Color &value) : m_value(value) {}
  AnimatedColor(const AnimatedColor &other) { *this = other; }
  AnimatedColor &operator=(const AnimatedColor &other);
  ~AnimatedColor();

  const Color &value() const { return m_value; }
  void setValue(const Color &value) { m_value = value; }
  Channel *channelR() const { return m_channels[0]; }
  Channel *channelG() const { return m_channels[1]; }
  Channel *channelB() const { return m_channels[2]; }
  Channel *channelA() const { return m_channels[3]; }
  // Each takes ownership (null allowed) and deletes the channel held before.
  void setChannelR(Channel *channel) { replace(0, channel); }
  void setChannelG(Channel *channel) { replace(1, channel); }
  void setChannelB(Channel *channel) { replace(2, channel); }
  void setChannelA(Channel *channel) { replace(3, channel); }

  Color evaluate(float time) const;
  float duration() const;
  bool isLooping() const;
  bool isDefault() const;

  bool read(file::ByteProducer &in);
  bool write(file::ByteReceiver &out) const;

private:
  void replace(int index, Channel *channel);

  Color m_value;
  Channel *m_channels[4] = {nullptr, nullptr, nullptr, nullptr};
};

} // namespace math
