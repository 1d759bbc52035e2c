// A tube's records in the level file and the snapshot, and how it is laid
// out along its path once read.

#include "engine/Level.h"
#include "engine/Spline2DGeometry.h"
#include "engine/StateHeader.h"
#include "engine/Tube.h"
#include "file/BinaryPrimitives.h"

#include <cmath>

namespace {

constexpr uint32_t rectangleBytes = 4 * 4;

// The turn from (0, 1) to the direction, counter-clockwise in degrees; 0
// for no direction.
float angleOf(const math::Vector2 &direction) {
  math::Vector2 d = direction;
  if (d.normalize() == 0.0f)
    return 0.0f;
  return math::Vector2(0.0f, 1.0f).angleToUnit(d);
}

// The box at the point, its local +y along the angle's direction.
void place(physics::Box &box, const math::Vector2 &at, float degrees) {
  box.transform.translation = math::Vector3(at.x, at.y, 0.0f);
  box.transform.axis = math::Vector3(0.0f, 0.0f, 1.0f);
  box.transform.angle = degrees;
}

} // namespace

void Tube::setUp() {
  const uint32_t n = m_path.controlPointCount();
  const bool path = hasPath();
  if (path) {
    const math::Vector2 p0 = m_path.controlPoint(0), p1 = m_path.controlPoint(1);
    const math::Vector2 last = m_path.controlPoint(int(n) - 1);
    const math::Vector2 exit = m_path.controlPoint(int(n) - 2);
    m_mouthAngle = angleOf(p1 - p0);
    m_exitAngle = angleOf(last - exit);
    place(m_mouth, p1, m_mouthAngle);
    place(m_exit, exit, m_exitAngle);
  }
  // Without a path the mouth would sit at the origin and send the ball
  // towards points that do not exist.
  m_mouth.enabled = m_exit.enabled = m_wall->enabled = path;
  m_bounds = math::Rectangle();
  const auto &segments = m_path.segments();
  for (uint32_t i = 2; i < segments.size(); ++i) {
    if (i == 2)
      m_bounds = segments[i].bounds;
    else
      m_bounds.include(segments[i].bounds);
  }
  m_wall->bounds = m_bounds;
}

void Tube::setPoints(const container::Vector<math::Vector2> &points) {
  m_path.setPoints(points);
  setUp();
}

bool Tube::readPath(file::ByteProducer &in) {
  // The count is held against the bytes remaining by the path's reader.
  if (!m_path.read(in) || in.bytesRemaining() < rectangleBytes) {
    setPoints(container::Vector<math::Vector2>());
    return false;
  }
  // The bounds are worked out again from the path.
  math::Rectangle ignored;
  file::read(ignored.x, in);
  file::read(ignored.y, in);
  file::read(ignored.width, in);
  file::read(ignored.height, in);
  setUp();
  return !in.overrun();
}

void Tube::writePath(file::ByteReceiver &out) const {
  m_path.write(out);
  file::write(m_bounds.x, out);
  file::write(m_bounds.y, out);
  file::write(m_bounds.width, out);
  file::write(m_bounds.height, out);
}

bool Tube::readLevelRecord(file::ByteProducer &in) { return readPath(in); }

void Tube::writeLevelRecord(file::ByteReceiver &out) const { writePath(out); }

bool Tube::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  uint8_t state;
  float stateTime;
  if (!stateheader::read(in, state, stateTime) || !readPath(in))
    return false;
  // A state no tube has rests idle.
  m_state = state < UNSET ? uint32_t(state) : uint32_t(IDLE);
  // A time no ride can have would leave the ball nowhere.
  m_stateTime = stateTime >= 0.0f ? stateTime : 0.0f;
  m_travelStart = m_travelEnd = math::Vector2();
  m_travelLength = 0.0f;
  m_legPending = m_state == ENTERING || m_state == LEAVING;
  return true;
}

void Tube::write(file::ByteReceiver &out) const {
  stateheader::write(m_state, m_stateTime, out);
  writePath(out);
}
