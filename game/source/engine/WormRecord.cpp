// The worm's records: its place and shape in the level file, its state
// and its segments in the snapshot.

#include "engine/Worm.h"

#include "file/BinaryPrimitives.h"
#include "math/Vector2.h"

#include <cmath>

namespace {

// Per segment: x, y, breakable, exploded.
constexpr uint32_t segmentBytes = 4 + 4 + 1 + 1;

} // namespace

bool Worm::readLevelRecord(file::ByteProducer &in) {
  if (in.bytesRemaining() < levelRecordBytes)
    return false;
  float x, y, angle;
  uint8_t count, extended;
  file::read(x, in);
  file::read(y, in);
  file::read(angle, in);
  file::read(count, in);
  file::read(extended, in);
  if (in.overrun())
    return false;
  setup(math::Vector3(x, y, 0.0f), angle, count, extended != 0);
  return true;
}

void Worm::writeLevelRecord(file::ByteReceiver &out) const {
  file::write(m_base.x, out);
  file::write(m_base.y, out);
  file::write(m_angle, out);
  file::write(uint8_t(m_segments.size()), out);
  file::write(uint8_t(m_startsExtended ? 1 : 0), out);
}

void Worm::write(file::ByteReceiver &out) const {
  file::write(uint8_t(m_state), out);
  file::write(m_stateTime, out);
  file::write(m_base.x, out);
  file::write(m_base.y, out);
  file::write(m_angle, out);
  file::write(uint8_t(m_segments.size()), out);
  for (const Segment *segment : m_segments) {
    file::write(segment->position().x, out);
    file::write(segment->position().y, out);
    file::write(uint8_t(segment->breakable ? 1 : 0), out);
    file::write(uint8_t(segment->exploded ? 1 : 0), out);
  }
  file::write(m_dyingTime, out);
}

bool Worm::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  const uint32_t start = in.tell();
  uint8_t state, count;
  float stateTime, x, y, angle;
  file::read(state, in);
  file::read(stateTime, in);
  file::read(x, in);
  file::read(y, in);
  file::read(angle, in);
  file::read(count, in);
  if (in.overrun() || state > DYING || in.bytesRemaining() < uint32_t(count) * segmentBytes + 4) {
    in.seek(start);
    return false;
  }
  m_state = state;
  m_stateTime = stateTime;
  m_base = math::Vector3(x, y, 0.0f);
  m_angle = angle;
  makeSegments(count);
  for (Segment *segment : m_segments) {
    math::Vector2 at;
    uint8_t breakable, exploded;
    file::read(at.x, in);
    file::read(at.y, in);
    file::read(breakable, in);
    file::read(exploded, in);
    segment->setPosition(math::Vector3(at.x, at.y, 0.0f));
    segment->breakable = breakable != 0;
    segment->exploded = exploded != 0;
    // A burst segment is gone: it must not stop the ball unseen.
    segment->geometry.enabled = !segment->exploded;
  }
  file::read(m_dyingTime, in);
  m_animation = Symbol();
  chooseAnimation();
  // The extension is not saved: the outermost segment tells it, so that
  // the head and a dying worm's segments stay where they were.
  if (count > 0) {
    const float full = (10.0f + 26.0f * float(count - 1)) * 0.125f;
    const float reach = (m_segments.last()->position() - m_base).length() / full;
    m_extension = std::isfinite(reach) ? std::fmin(std::fmax(reach, 0.0f), 1.0f) : 0.0f;
  } else {
    stepExtension();
  }
  m_head.transform.translation =
      m_base + along((30.0f + 26.0f * float(count) * m_extension) * 0.125f);
  return !in.overrun();
}
