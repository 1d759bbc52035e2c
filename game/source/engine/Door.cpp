#include "engine/Door.h"

#include "engine/GameCategories.h"
#include "engine/Level.h"
#include "engine/StateHeader.h"
#include "file/BinaryPrimitives.h"
#include "math/Vector2.h"

#include <cmath>

namespace {

constexpr float halfPi = 1.57079632679f;
// Across the beam the boxes reach 0.85 of a cell each way; they stand a
// cell high. A cover reaches half a cell along the door from its end.
constexpr float halfWidth = 0.85f * 3.0f;
constexpr float halfHeight = 3.0f;
constexpr float coverHalfLength = 0.5f * 3.0f;
const math::Vector3 turnAxis(0.0f, 0.0f, -1.0f);

void turn(physics::Box &box, const math::Vector3 &at, float angle) {
  box.transform.translation = at;
  box.transform.axis = turnAxis;
  box.transform.angle = angle;
}

} // namespace

Door::Door(Level &level) : GameObject(&level) {
  m_coverA.center = math::Vector3(0.0f, coverHalfLength, 0.0f);
  m_coverB.center = math::Vector3(0.0f, -coverHalfLength, 0.0f);
  for (physics::Box *box : {&m_beam, &m_coverA, &m_coverB}) {
    box->extents = math::Vector3(halfWidth, coverHalfLength, halfHeight);
    box->category = CATEGORY_SOLID;
    box->setOwner(this);
    level.simulation().addGeometry(box);
  }
  reset();
  recompute();
  placeGeometry();
}

Door::~Door() {
  for (physics::Box *box : {&m_beam, &m_coverA, &m_coverB})
    m_owner->simulation().removeGeometry(box);
}

void Door::setState(uint32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
}

void Door::toggle() {
  if (m_state == OPEN)
    setState(CLOSING);
  else if (m_state == CLOSED)
    setState(OPENING);
}

void Door::reset() {
  m_state = NONE;
  setState(m_startsClosed ? CLOSED : OPEN);
}

void Door::update(float dt) {
  if (m_dead)
    return;
  m_stateTime += dt;
  if (m_state == OPENING && m_stateTime > changeTime)
    setState(OPEN);
  else if (m_state == CLOSING && m_stateTime > changeTime)
    setState(CLOSED);
  placeGeometry();
}

float Door::litFraction() const {
  const float t = m_stateTime;
  switch (m_state) {
  case OPENING:
    return t < changeTime ? std::cos(t / changeTime * halfPi) : 0.0f;
  case OPEN:
    return 0.0f;
  case CLOSING:
    return t < changeTime ? std::sin(t / changeTime * halfPi) : 1.0f;
  default:
    return 1.0f;
  }
}

void Door::recompute() {
  const math::Vector2 d(m_endB.x - m_endA.x, m_endB.y - m_endA.y);
  m_length = d.length();
  math::Vector2 unit = d;
  m_angle = unit.normalize() > 0.0f ? unit.angleToUnit(math::Vector2(0.0f, 1.0f)) : 0.0f;
}

void Door::placeGeometry() {
  // A closing door blocks its whole span from the toggle on.
  const float f = m_state == CLOSING ? 1.0f : litFraction();
  const float lit = f * m_length;
  const math::Vector3 tip = m_endA + (m_endB - m_endA) * f;
  turn(m_beam, (m_endA + tip) * 0.5f, m_angle);
  m_beam.extents = math::Vector3(halfWidth, lit * 0.5f, halfHeight);
  m_beam.enabled = lit > minBeam;
  turn(m_coverA, m_endA, m_angle);
  turn(m_coverB, m_endB, m_angle);
  m_coverA.enabled = m_coverB.enabled = m_state != CLOSED;
}

void Door::setEndA(const math::Vector3 &end) {
  m_endA = math::Vector3(end.x, end.y, 0.0f);
  recompute();
  placeGeometry();
}

void Door::setEndB(const math::Vector3 &end) {
  m_endB = math::Vector3(end.x, end.y, 0.0f);
  recompute();
  placeGeometry();
}

math::Box3D Door::bounds() const {
  constexpr float margin = 6.0f;
  const math::Vector3 reach(margin, margin, 0.0f);
  math::Box3D box = math::Box3D::fromCorners(m_endA, m_endB);
  box.extents += reach;
  box.extents.z = 0.0f;
  return box;
}

void Door::writeLevelRecord(file::ByteReceiver &out) const {
  file::write(m_endA.x, out);
  file::write(m_endA.y, out);
  file::write(m_endB.x, out);
  file::write(m_endB.y, out);
  file::write(uint8_t(m_startsClosed ? 1 : 0), out);
}

bool Door::readLevelRecord(file::ByteProducer &in) {
  if (in.bytesRemaining() < levelRecordBytes)
    return false;
  float ax, ay, bx, by;
  uint8_t closed;
  file::read(ax, in);
  file::read(ay, in);
  file::read(bx, in);
  file::read(by, in);
  file::read(closed, in);
  if (in.overrun())
    return false;
  m_endA = math::Vector3(ax, ay, 0.0f);
  m_endB = math::Vector3(bx, by, 0.0f);
  m_startsClosed = closed != 0;
  reset();
  recompute();
  placeGeometry();
  return true;
}

void Door::write(file::ByteReceiver &out) const {
  stateheader::write(m_state, m_stateTime, out);
  writeLevelRecord(out);
}

bool Door::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  uint8_t state;
  float stateTime;
  if (!stateheader::read(in, state, stateTime) || !readLevelRecord(in))
    return false;
  // A state no door rests in starts it as its level does.
  if (state < NONE)
    m_state = state;
  m_stateTime = state < NONE ? stateTime : 0.0f;
  placeGeometry();
  return true;
}
