#include "WallRecords.h"

#include "engine/Level.h"
#include "engine/WallSet.h"

namespace levelwriter {

namespace {

constexpr float radius = WallSet::roundingRadius;

// The rectangle's lattice corners counter-clockwise from its lower left.
container::Vector<math::Vector2i> latticeCorners(const CellRect &cells) {
  container::Vector<math::Vector2i> corners;
  corners.push(math::Vector2i(cells.left, cells.bottom));
  corners.push(math::Vector2i(cells.right + 1, cells.bottom));
  corners.push(math::Vector2i(cells.right + 1, cells.top + 1));
  corners.push(math::Vector2i(cells.left, cells.top + 1));
  return corners;
}

// Pointing from corner i into the rectangle, on both axes.
math::Vector3 inward(uint32_t i) {
  static const float x[4] = {1.0f, -1.0f, -1.0f, 1.0f};
  static const float y[4] = {1.0f, 1.0f, -1.0f, -1.0f};
  return math::Vector3(x[i], y[i], 0.0f);
}

// The unit direction from corner i to the next.
math::Vector3 along(const container::Vector<math::Vector2i> &corners, uint32_t i) {
  math::Vector3 d =
      Level::cellCorner(corners[(i + 1) % corners.size()]) - Level::cellCorner(corners[i]);
  d.normalize();
  return d;
}

WallEdge edge(uint8_t kind, const math::Vector3 &point, const math::Vector3 &normal) {
  WallEdge e;
  e.kind = kind;
  e.zone = math::Plane(point, normal);
  return e;
}

// One border vertex per corner, moved across the wall by the strip's width.
void writeBorders(const container::Vector<math::Vector2i> &corners, WallSet &walls,
                  const container::Vector<WallEdge> &edges) {
  container::Vector<BorderVertex> inner, outer;
  for (uint32_t i = 0; i < corners.size(); ++i) {
    const math::Vector3 corner = Level::cellCorner(corners[i]);
    const math::Vector3 step = inward(i) * borderWidth;
    BorderVertex v;
    v.corner = uint16_t(i);
    v.position = math::Vector2(corner.x + step.x, corner.y + step.y);
    inner.push(v);
    v.position = math::Vector2(corner.x - step.x, corner.y - step.y);
    outer.push(v);
  }
  walls.assign(corners, edges, inner, outer);
}

} // namespace

void writeRoomWalls(const CellRect &room, WallSet &walls) {
  const container::Vector<math::Vector2i> corners = latticeCorners(room);
  // A straight wall from each offset corner to the next. The zones meet on
  // the corners' bisectors, each plane facing the wall that starts there.
  container::Vector<WallEdge> edges;
  for (uint32_t i = 0; i < 4; ++i) {
    const math::Vector3 in = inward(i);
    const math::Vector3 ahead = along(corners, i);
    math::Vector3 normal(in.y, -in.x, 0.0f);
    if (normal.dot(ahead) < 0.0f)
      normal = normal * -1.0f;
    normal.normalize();
    WallEdge wall = edge(WallEdge::STRAIGHT, Level::cellCorner(corners[i]) + in * radius, normal);
    // Into the room: the left of the way round.
    wall.faceNormal = math::Vector3(-ahead.y, ahead.x, 0.0f);
    edges.push(wall);
  }
  writeBorders(corners, walls, edges);
}

void writeIslandWalls(const CellRect &island, WallSet &walls) {
  const container::Vector<math::Vector2i> corners = latticeCorners(island);
  // Around each corner a rounded edge, then the straight wall to the next
  // corner, pushed out by the radius. The corners' zones are the quadrants
  // beyond them, the walls' zones the strips beyond the sides.
  container::Vector<WallEdge> edges;
  for (uint32_t i = 0; i < 4; ++i) {
    const math::Vector3 corner = Level::cellCorner(corners[i]);
    const math::Vector3 before = along(corners, (i + 3) % 4);
    const math::Vector3 ahead = along(corners, i);
    // Out of the island: the right of the way round.
    const math::Vector3 outBefore(before.y, -before.x, 0.0f);
    const math::Vector3 out(ahead.y, -ahead.x, 0.0f);
    WallEdge round = edge(WallEdge::ROUNDED, corner + outBefore * radius, before);
    round.centre = corner;
    edges.push(round);
    WallEdge wall = edge(WallEdge::STRAIGHT, corner + out * radius, ahead);
    wall.faceNormal = out;
    edges.push(wall);
  }
  writeBorders(corners, walls, edges);
}

} // namespace levelwriter
