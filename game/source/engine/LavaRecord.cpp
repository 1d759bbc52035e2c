// A pool's record in the level file and the snapshot: the outline, the
// triangles into it and the bounds.

#include "engine/Lava.h"

#include "file/BinaryPrimitives.h"

bool Lava::read(file::ByteProducer &in) {
  m_outline.clear();
  m_triangles.clear();
  m_bubblePositions.clear();
  m_bubbleSizes.clear();
  m_bubbleMaxSizes.clear();
  m_bubbleAges.clear();
  m_bubbleLifetimes.clear();
  m_bubbleColours.clear();
  m_bubbleTimer = 0.0f;
  m_meshDirty = true;
  m_bounds = math::Rectangle();
  bool ok = math::read(m_outline, in) && in.bytesRemaining() >= 2;
  uint16_t count = 0;
  if (ok) {
    file::read(count, in);
    ok = in.bytesRemaining() >= uint64_t(count) * 2 + 4 * 4;
  }
  if (ok) {
    m_triangles.reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
      uint16_t index = 0;
      file::read(index, in);
      // A triangle must stay within the outline.
      ok = ok && index < m_outline.size();
      m_triangles.push(index);
    }
    file::read(m_bounds.x, in);
    file::read(m_bounds.y, in);
    file::read(m_bounds.width, in);
    file::read(m_bounds.height, in);
    ok = ok && !in.overrun();
  }
  if (!ok) {
    m_outline.clear();
    m_triangles.clear();
    m_bounds = math::Rectangle();
  }
  reserveBubbles();
  return ok;
}

void Lava::write(file::ByteReceiver &out) const {
  math::write(m_outline, out);
  file::write(uint16_t(m_triangles.size()), out);
  for (uint16_t index : m_triangles)
    file::write(index, out);
  file::write(m_bounds.x, out);
  file::write(m_bounds.y, out);
  file::write(m_bounds.width, out);
  file::write(m_bounds.height, out);
}
