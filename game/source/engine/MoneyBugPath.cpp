// The money bug's way along its path: segments from point to point, a
// loop wrapping round, an open path walked to and fro.

#include "engine/MoneyBug.h"

#include <cmath>

void MoneyBug::setPath(const container::Vector<math::Vector2> &points, bool closed) {
  m_path = points;
  m_closed = closed;
  recomputeLengths();
  m_segment = 0;
  m_along = 0.0f;
  m_forward = true;
  setPosition(pathPoint());
  recomputeHeading();
}

uint32_t MoneyBug::usableSegments() const {
  const uint32_t n = m_path.size();
  return m_closed ? n : (n > 0 ? n - 1 : 0);
}

void MoneyBug::recomputeLengths() {
  const uint32_t n = m_path.size();
  m_segmentLengths.clear();
  m_segmentLengths.reserve(n);
  for (uint32_t i = 0; i < n; ++i)
    m_segmentLengths.push((m_path[(i + 1) % n] - m_path[i]).length());
  m_pathLength = 0.0f;
  for (uint32_t i = 0; i < usableSegments(); ++i)
    m_pathLength += m_segmentLengths[i];
}

math::Vector2 MoneyBug::pathPoint() const {
  const uint32_t n = m_path.size();
  if (n == 0) {
    // Without a path the bug stays where it was put.
    const math::Vector3 at = getPosition();
    return math::Vector2(at.x, at.y);
  }
  if (m_pathLength == 0.0f)
    return m_path[0];
  const math::Vector2 &from = m_path[m_segment];
  const float length = m_segmentLengths[m_segment];
  if (length == 0.0f)
    return from;
  return from + (m_path[(m_segment + 1) % n] - from) * (m_along / length);
}

void MoneyBug::recomputeHeading() {
  if (m_path.size() < 2) {
    m_heading = 0.0f;
    return;
  }
  math::Vector2 direction = m_path[(m_segment + 1) % m_path.size()] - m_path[m_segment];
  // A segment of no length keeps the heading the bug had.
  if (direction.lengthSquared() == 0.0f)
    return;
  direction.normalize();
  m_heading = math::Vector2(0.0f, 1.0f).angleToUnit(direction);
  if (!m_forward)
    m_heading += 180.0f;
}

void MoneyBug::walk(float distance) {
  // Only a path of some length moves the bug; then every lap uses some of
  // the distance, so the walk ends.
  if (!(m_pathLength > 0.0f) || usableSegments() == 0 || !std::isfinite(distance))
    return;
  const uint32_t last = usableSegments() - 1;
  float s = distance;
  while (s > 0.0f) {
    const float length = m_segmentLengths[m_segment];
    if (m_forward) {
      const float rest = length - m_along;
      if (rest >= s) {
        m_along += s;
        break;
      }
      s -= rest;
      if (m_segment < last) {
        ++m_segment;
        m_along = 0.0f;
      } else if (m_closed) {
        m_segment = 0;
        m_along = 0.0f;
      } else {
        m_forward = false;
        m_along = length;
      }
    } else {
      if (m_along >= s) {
        m_along -= s;
        break;
      }
      s -= m_along;
      if (m_segment > 0) {
        --m_segment;
        m_along = m_segmentLengths[m_segment];
      } else if (m_closed) {
        m_segment = last;
        m_along = m_segmentLengths[m_segment];
      } else {
        m_forward = true;
        m_along = 0.0f;
      }
    }
  }
  setPosition(pathPoint());
}
