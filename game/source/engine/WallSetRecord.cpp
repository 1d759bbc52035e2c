// The wall set's record in the level file and the snapshot.

#include "engine/WallSet.h"

#include "engine/BoundedCount.h"

#include "file/BinaryPrimitives.h"
#include "math/Vector2.h"
#include "math/Vector3.h"

namespace {

constexpr uint32_t cornerBytes = 2 * 4 + 3 * 4;
// The kind, the zone's point and normal; kinds 0 and 2 add two floats.
constexpr uint32_t edgeBytes = 1 + 4 * 4;
constexpr uint32_t edgeExtraBytes = 2 * 4;
constexpr uint32_t borderVertexBytes = 2 * 4 + 2;
// The border mesh indexes its vertices with 16 bits.
constexpr uint64_t maxBorderVertices = 0x10000;

void writeFlat(const math::Vector3 &v, file::ByteReceiver &out) {
  file::write(v.x, out);
  file::write(v.y, out);
}

math::Vector3 readFlat(file::ByteProducer &in) {
  math::Vector3 v;
  file::read(v.x, in);
  file::read(v.y, in);
  return v;
}

bool readBorder(file::ByteProducer &in, uint32_t corners, container::Vector<BorderVertex> &border) {
  uint32_t count;
  if (!bounded::readCount(in, borderVertexBytes, count))
    return false;
  border.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    BorderVertex v;
    file::read(v.position, in);
    file::read(v.corner, in);
    // The mesh indexes the outline with it.
    if (v.corner >= corners)
      return false;
    border.push(v);
  }
  return true;
}

void writeBorder(const container::Vector<BorderVertex> &border, file::ByteReceiver &out) {
  file::write(border.size(), out);
  for (const BorderVertex &v : border) {
    file::write(v.position, out);
    file::write(v.corner, out);
  }
}

} // namespace

void WallSet::write(file::ByteReceiver &out) const {
  file::write(m_outline.size(), out);
  for (const math::Vector2i &p : m_outline)
    p.write(out);
  for (uint32_t i = 0; i < m_outline.size(); ++i)
    file::write(i < m_extraPoints.size() ? m_extraPoints[i] : math::Vector3(), out);
  file::write(m_edges.size(), out);
  for (const WallEdge &e : m_edges) {
    file::write(e.kind, out);
    writeFlat(e.zone.point, out);
    writeFlat(e.zone.normal, out);
    if (e.kind == WallEdge::STRAIGHT)
      writeFlat(e.faceNormal, out);
    else if (e.kind == WallEdge::ROUNDED)
      writeFlat(e.centre, out);
  }
  writeBorder(m_innerBorder, out);
  writeBorder(m_outerBorder, out);
}

bool WallSet::read(file::ByteProducer &in) {
  clear();
  bool ok = readRecord(in) && !in.overrun();
  if (!ok)
    clear();
  rebuildBorder();
  return ok;
}

bool WallSet::readRecord(file::ByteProducer &in) {
  uint32_t corners;
  if (!bounded::readCount(in, cornerBytes, corners))
    return false;
  m_outline.reserve(corners);
  for (uint32_t i = 0; i < corners; ++i) {
    math::Vector2i p;
    p.read(in);
    m_outline.push(p);
  }
  m_extraPoints.reserve(corners);
  for (uint32_t i = 0; i < corners; ++i) {
    math::Vector3 p;
    file::read(p, in);
    m_extraPoints.push(p);
  }

  uint32_t edges;
  if (!bounded::readCount(in, edgeBytes, edges))
    return false;
  m_edges.reserve(edges);
  for (uint32_t i = 0; i < edges; ++i) {
    if (in.bytesRemaining() < edgeBytes)
      return false;
    WallEdge e;
    file::read(e.kind, in);
    if (e.kind > WallEdge::UNREAD)
      return false;
    e.zone.point = readFlat(in);
    e.zone.normal = readFlat(in);
    if (e.kind == WallEdge::STRAIGHT || e.kind == WallEdge::ROUNDED) {
      if (in.bytesRemaining() < edgeExtraBytes)
        return false;
      (e.kind == WallEdge::STRAIGHT ? e.faceNormal : e.centre) = readFlat(in);
    }
    m_edges.push(e);
  }

  if (!readBorder(in, corners, m_innerBorder) || !readBorder(in, corners, m_outerBorder))
    return false;
  return uint64_t(corners) + m_innerBorder.size() + m_outerBorder.size() <= maxBorderVertices;
}
