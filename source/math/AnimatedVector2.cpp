#include "math/AnimatedVector2.h"
#include "file/BinaryPrimitives.h"
#include "math/AnimatedChannels.h"

namespace math {

AnimatedVector2::~AnimatedVector2() {
  delete m_channel;
  delete m_channelX;
  delete m_channelY;
}

AnimatedVector2 &AnimatedVector2::operator=(const AnimatedVector2 &other) {
  if (this == &other)
    return *this;
  m_value = other.m_value;
  setChannel(cloneChannel(other.m_channel));
  setChannelX(cloneChannel(other.m_channelX));
  setChannelY(cloneChannel(other.m_channelY));
  return *this;
}

namespace {
void replaceChannel(Channel *&held, Channel *channel) {
  if (channel == held)
    return;
  delete held;
  held = channel;
}
} // namespace

void AnimatedVector2::setChannel(Channel *channel) { replaceChannel(m_channel, channel); }
void AnimatedVector2::setChannelX(Channel *channel) { replaceChannel(m_channelX, channel); }
void AnimatedVector2::setChannelY(Channel *channel) { replaceChannel(m_channelY, channel); }

Vector2 AnimatedVector2::evaluate(float time) const {
  const Channel *cx = m_channelX ? m_channelX : m_channel;
  const Channel *cy = m_channelY ? m_channelY : m_channel;
  return Vector2(cx ? cx->evaluate(m_value.x, time) : m_value.x,
                 cy ? cy->evaluate(m_value.y, time) : m_value.y);
}

float AnimatedVector2::duration() const {
  float d = 0.0f;
  for (const Channel *c : {m_channel, m_channelX, m_channelY})
    if (c && c->duration() > d)
      d = c->duration();
  return d;
}

bool AnimatedVector2::isLooping() const {
  for (const Channel *c : {m_channel, m_channelX, m_channelY})
    if (c && c->loop())
      return true;
  return false;
}

bool AnimatedVector2::isDefault() const {
  if (m_value.x != 0.0f || m_value.y != 0.0f)
    return false;
  for (const Channel *c : {m_channel, m_channelX, m_channelY})
    if (c && !c->isEmptyLoop())
      return false;
  return true;
}

bool AnimatedVector2::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < 1)
    return false;
  unsigned char flags;
  file::read(flags, in);
  if (flags & 1) {
    if (in.bytesRemaining() < 8)
      return false;
    file::read(m_value.x, in);
    file::read(m_value.y, in);
  }
  Channel **slots[] = {&m_channel, &m_channelX, &m_channelY};
  for (int i = 0; i < 3; ++i) {
    if (!(flags & (2 << i)))
      continue;
    Channel *channel = readChannel(in);
    if (!channel)
      return false;
    replaceChannel(*slots[i], channel);
  }
  return true;
}

bool AnimatedVector2::write(file::ByteReceiver &out) const {
  const Channel *channels[] = {m_channel, m_channelX, m_channelY};
  if (!canWriteAll(channels, 3))
    return false;
  unsigned char flags = 0;
  if (m_value.x != 0.0f || m_value.y != 0.0f)
    flags |= 1;
  for (int i = 0; i < 3; ++i)
    if (isAnnounced(channels[i]))
      flags |= 2 << i;
  file::write(flags, out);
  if (flags & 1) {
    file::write(m_value.x, out);
    file::write(m_value.y, out);
  }
  for (int i = 0; i < 3; ++i)
    if (flags & (2 << i))
      channels[i]->write(out);
  return true;
}

} // namespace math
