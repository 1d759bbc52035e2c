// The compact binary form of a channel inside asset files: loop flag, u16
// frame count, then time (f32), tween (u8) and value (f32) per fixed frame.
#include "file/BinaryPrimitives.h"
#include "math/Channel.h"
#include "math/FixedFrame.h"

namespace math {

namespace {
constexpr unsigned frameBytes = 4 + 1 + 4;
}

bool Channel::isBinaryWritable() const {
  if (m_frames.size() > 0xffff)
    return false;
  for (const Frame *f : m_frames)
    if (f->getType() != FixedFrame::typeSymbol())
      return false;
  return true;
}

bool Channel::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < 1 + 2)
    return false;
  bool loop;
  unsigned short count;
  file::read(loop, in);
  file::read(count, in);
  m_loop = loop;
  unsigned available = in.bytesRemaining() / frameBytes;
  unsigned readable = count < available ? count : available;
  m_frames.reserve(m_frames.size() + readable);
  for (unsigned i = 0; i < readable; ++i) {
    float time, value;
    unsigned char tween;
    file::read(time, in);
    file::read(tween, in);
    file::read(value, in);
    addFrame(new FixedFrame(time, tween, value));
  }
  return readable == count;
}

bool Channel::write(file::ByteReceiver &out) const {
  if (!isBinaryWritable())
    return false;
  file::write(m_loop, out);
  file::write((unsigned short)m_frames.size(), out);
  for (const Frame *f : m_frames) {
    const FixedFrame *fixed = static_cast<const FixedFrame *>(f);
    file::write(fixed->time(), out);
    file::write((unsigned char)fixed->tween(), out);
    file::write(fixed->fixedValue(), out);
  }
  return true;
}

} // namespace math
