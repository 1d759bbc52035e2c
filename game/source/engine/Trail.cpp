#include "engine/Trail.h"

#include "file/BinaryPrimitives.h"
#include "video/Canvas.h"

namespace {

// x, y and the time.
constexpr uint32_t pointRecordBytes = 3 * 4;

} // namespace

void Trail::addPoint(const math::Vector3 &point) {
  m_points.push(point);
  m_times.push(m_clock);
}

void Trail::update(float dt) {
  m_clock += dt;
  uint32_t kept = 0;
  for (uint32_t i = 0; i < m_points.size(); ++i) {
    if (m_clock - m_times[i] > m_lifetime)
      continue;
    m_points[kept] = m_points[i];
    m_times[kept] = m_times[i];
    ++kept;
  }
  m_points.setSize(kept);
  m_times.setSize(kept);
}

void Trail::clear() {
  m_points.clear();
  m_times.clear();
}

void Trail::takePoints(container::Vector<math::Vector3> &taken) const {
  taken.clear();
  const uint32_t n = m_points.size();
  if (n == 0)
    return;
  taken.push(m_points[n - 1]);
  for (uint32_t i = n - 1; i-- > 1;)
    if ((i + 1) % m_stride == 0)
      taken.push(m_points[i]);
  if (n > 1)
    taken.push(m_points[0]);
}

void Trail::render(video::Canvas &canvas) {
  takePoints(m_taken);
  canvas.drawPolylineRibbon(m_taken, m_pass);
}

void Trail::write(file::ByteReceiver &out) const {
  file::write(m_clock, out);
  const uint32_t count = m_points.size() < 0xFFFFu ? m_points.size() : 0xFFFFu;
  file::write((unsigned short)count, out);
  for (uint32_t i = 0; i < count; ++i) {
    file::write(m_points[i].x, out);
    file::write(m_points[i].y, out);
    file::write(m_times[i], out);
  }
}

bool Trail::read(file::ByteProducer &in) {
  clear();
  if (in.bytesRemaining() < 4 + 2)
    return false;
  float clock = 0.0f;
  unsigned short count = 0;
  file::read(clock, in);
  file::read(count, in);
  if (in.bytesRemaining() / pointRecordBytes < count)
    return false;
  for (unsigned i = 0; i < count; ++i) {
    math::Vector3 p;
    float time;
    file::read(p.x, in);
    file::read(p.y, in);
    file::read(time, in);
    m_points.push(p);
    m_times.push(time);
  }
  if (in.overrun()) {
    clear();
    return false;
  }
  m_clock = clock;
  return true;
}
