#include "math/AnimatedColor.h"
#include "file/BinaryPrimitives.h"
#include "math/AnimatedChannels.h"

namespace math {

AnimatedColor::~AnimatedColor() {
  for (Channel *c : m_channels)
    delete c;
}

AnimatedColor &AnimatedColor::operator=(const AnimatedColor &other) {
  if (this == &other)
    return *this;
  m_value = other.m_value;
  for (int i = 0; i < 4; ++i)
    replace(i, cloneChannel(other.m_channels[i]));
  return *this;
}

void AnimatedColor::replace(int index, Channel *channel) {
  if (channel == m_channels[index])
    return;
  delete m_channels[index];
  m_channels[index] = channel;
}

Color AnimatedColor::evaluate(float time) const {
  const float base[] = {m_value.r, m_value.g, m_value.b, m_value.a};
  float out[4];
  for (int i = 0; i < 4; ++i)
    out[i] = m_channels[i] ? m_channels[i]->evaluate(base[i], time) : base[i];
  return Color(out[0], out[1], out[2], out[3]);
}

float AnimatedColor::duration() const {
  float d = 0.0f;
  for (const Channel *c : m_channels)
    if (c && c->duration() > d)
      d = c->duration();
  return d;
}

bool AnimatedColor::isLooping() const {
  for (const Channel *c : m_channels)
    if (c && c->loop())
      return true;
  return false;
}

bool AnimatedColor::isDefault() const {
  if (!(m_value == Color::white))
    return false;
  for (const Channel *c : m_channels)
    if (c && !c->isEmptyLoop())
      return false;
  return true;
}

bool AnimatedColor::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < 1)
    return false;
  unsigned char flags;
  file::read(flags, in);
  if (flags & 1) {
    if (in.bytesRemaining() < 16)
      return false;
    file::read(m_value.r, in);
    file::read(m_value.g, in);
    file::read(m_value.b, in);
    file::read(m_value.a, in);
  }
  for (int i = 0; i < 4; ++i) {
    if (!(flags & (2 << i)))
      continue;
    Channel *channel = readChannel(in);
    if (!channel)
      return false;
    replace(i, channel);
  }
  return true;
}

bool AnimatedColor::write(file::ByteReceiver &out) const {
  if (!canWriteAll(m_channels, 4))
    return false;
  unsigned char flags = 0;
  if (!(m_value == Color::white))
    flags |= 1;
  for (int i = 0; i < 4; ++i)
    if (isAnnounced(m_channels[i]))
      flags |= 2 << i;
  file::write(flags, out);
  if (flags & 1) {
    file::write(m_value.r, out);
    file::write(m_value.g, out);
    file::write(m_value.b, out);
    file::write(m_value.a, out);
  }
  for (int i = 0; i < 4; ++i)
    if (flags & (2 << i))
      m_channels[i]->write(out);
  return true;
}

} // namespace math
