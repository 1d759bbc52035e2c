// The money bug's records in the level file and the snapshot. Segment
// lengths and the path length are worked out from the points, never taken
// as read: lengths that do not match the points could send the walk past
// its list or round for ever.

#include "engine/MoneyBug.h"

#include "engine/CylinderGeometry.h"
#include "engine/StateHeader.h"
#include "file/BinaryPrimitives.h"

namespace {

// Start or position (two f32), then the path's two counts at least.
constexpr uint32_t positionBytes = 2 * 4;
// Path length, closed; heading.
constexpr uint32_t pathTailBytes = 4 + 1;

} // namespace

bool MoneyBug::readPath(file::ByteProducer &in) {
  uint16_t pointCount = 0, lengthCount = 0;
  if (in.bytesRemaining() < 2)
    return false;
  file::read(pointCount, in);
  if (in.bytesRemaining() < uint64_t(pointCount) * 8 + 2)
    return false;
  container::Vector<math::Vector2> points;
  points.reserve(pointCount);
  for (uint16_t i = 0; i < pointCount; ++i) {
    math::Vector2 p;
    file::read(p.x, in);
    file::read(p.y, in);
    points.push(p);
  }
  file::read(lengthCount, in);
  if (in.bytesRemaining() < uint64_t(lengthCount) * 4 + pathTailBytes)
    return false;
  for (uint16_t i = 0; i < lengthCount; ++i) {
    float dropped;
    file::read(dropped, in);
  }
  float pathLength;
  uint8_t closed;
  file::read(pathLength, in);
  file::read(closed, in);
  if (in.overrun())
    return false;
  m_path = points;
  m_closed = closed != 0;
  recomputeLengths();
  return true;
}

void MoneyBug::writePath(file::ByteReceiver &out) const {
  file::write(uint16_t(m_path.size()), out);
  for (const math::Vector2 &p : m_path) {
    file::write(p.x, out);
    file::write(p.y, out);
  }
  file::write(uint16_t(m_segmentLengths.size()), out);
  for (float length : m_segmentLengths)
    file::write(length, out);
  file::write(m_pathLength, out);
  file::write(uint8_t(m_closed ? 1 : 0), out);
}

bool MoneyBug::readLevelRecord(file::ByteProducer &in) {
  if (in.bytesRemaining() < positionBytes)
    return false;
  math::Vector2 start;
  file::read(start.x, in);
  file::read(start.y, in);
  float heading;
  if (!readPath(in) || in.bytesRemaining() < 4)
    return false;
  file::read(heading, in);
  if (in.overrun())
    return false;
  setPosition(start);
  m_segment = 0;
  m_along = 0.0f;
  m_forward = true;
  m_heading = heading;
  setPosition(pathPoint());
  recomputeHeading();
  return true;
}

void MoneyBug::writeLevelRecord(file::ByteReceiver &out) const {
  const math::Vector3 at = getPosition();
  file::write(at.x, out);
  file::write(at.y, out);
  writePath(out);
  file::write(m_heading, out);
}

bool MoneyBug::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < 1 + 4 + positionBytes)
    return false;
  uint8_t state;
  float stateTime;
  math::Vector2 at;
  file::read(state, in);
  file::read(stateTime, in);
  file::read(at.x, in);
  file::read(at.y, in);
  if (!readPath(in) || in.bytesRemaining() < 2 + 4 + 1 + 4)
    return false;
  uint16_t segment;
  float along, heading;
  uint8_t forward;
  file::read(segment, in);
  file::read(along, in);
  file::read(forward, in);
  file::read(heading, in);
  if (in.overrun())
    return false;
  // The state is taken without its entry, but the post takes its width.
  const uint32_t usable = usableSegments();
  m_state = state <= SPINNING ? uint32_t(state) : uint32_t(RESTING);
  m_geometry->setRadius(m_state == SPINNING ? bladeRadius : bodyRadius);
  m_stateTime = stateTime;
  setPosition(at);
  m_segment = usable == 0 ? 0u : (segment < usable ? uint32_t(segment) : usable - 1);
  const float length = m_segmentLengths.isEmpty() ? 0.0f : m_segmentLengths[m_segment];
  m_along = along >= 0.0f ? (along <= length ? along : length) : 0.0f;
  m_forward = forward != 0;
  m_heading = heading;
  return true;
}

void MoneyBug::write(file::ByteReceiver &out) const {
  stateheader::write(m_state, m_stateTime, out);
  const math::Vector3 at = getPosition();
  file::write(at.x, out);
  file::write(at.y, out);
  writePath(out);
  file::write(uint16_t(m_segment), out);
  file::write(m_along, out);
  file::write(uint8_t(m_forward ? 1 : 0), out);
  file::write(m_heading, out);
}
