#include "math/AnimatedFloat.h"
#include "file/BinaryPrimitives.h"
#include "math/AnimatedChannels.h"

namespace math {

AnimatedFloat &AnimatedFloat::operator=(const AnimatedFloat &other) {
  if (this == &other)
    return *this;
  m_value = other.m_value;
  setChannel(cloneChannel(other.m_channel));
  return *this;
}

void AnimatedFloat::setChannel(Channel *channel) {
  if (channel == m_channel)
    return;
  delete m_channel;
  m_channel = channel;
}

bool AnimatedFloat::isDefault() const {
  return m_value == 0.0f && (!m_channel || m_channel->isEmptyLoop());
}

bool AnimatedFloat::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < 1)
    return false;
  unsigned char flags;
  file::read(flags, in);
  if (flags & 1) {
    if (in.bytesRemaining() < 4)
      return false;
    file::read(m_value, in);
  }
  if (flags & 2) {
    Channel *channel = readChannel(in);
    if (!channel)
      return false;
    setChannel(channel);
  }
  return true;
}

bool AnimatedFloat::write(file::ByteReceiver &out) const {
  if (!canWriteAll(&m_channel, 1))
    return false;
  unsigned char flags = 0;
  if (m_value != 0.0f)
    flags |= 1;
  if (isAnnounced(m_channel))
    flags |= 2;
  file::write(flags, out);
  if (flags & 1)
    file::write(m_value, out);
  if (flags & 2)
    m_channel->write(out);
  return true;
}

} // namespace math
