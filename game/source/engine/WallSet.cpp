#include "engine/WallSet.h"

#include "engine/Level.h"
#include "engine/TumblixStructureOwner.h"
#include "engine/WallGeometry.h"
#include "physics/Structure3D.h"

#include <cmath>

WallSet::WallSet(Level &level, int region)
    : m_level(level), m_region(region), m_geometry(new WallGeometry(*this)) {
  m_geometry->setOwner(this);
  m_level.simulation().addGeometry(m_geometry);
  createBorder();
}

WallSet::~WallSet() {
  m_level.simulation().removeGeometry(m_geometry);
  delete m_geometry;
  destroyBorder();
}

bool WallSet::allowCollision(const physics::WorldGeometry &,
                             const physics::Structure3D &structure) {
  const auto *owner = dynamic_cast<const TumblixStructureOwner *>(structure.getOwner());
  return owner && owner->regionIndex() == m_region;
}

math::Vector3 WallSet::gridToWorld(const math::Vector2i &p) { return Level::cellCorner(p); }

namespace {

math::Vector2 flat(const math::Vector3 &v) { return math::Vector2(v.x, v.y); }

// The nearest point of the segment a-b to p.
math::Vector2 nearestOnSegment(const math::Vector2 &a, const math::Vector2 &b,
                               const math::Vector2 &p) {
  const math::Vector2 ab = b - a;
  const float length2 = ab.lengthSquared();
  if (length2 == 0.0f)
    return a;
  float t = (p - a).dot(ab) / length2;
  t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
  return a + ab * t;
}

} // namespace

bool WallSet::contact(const math::Vector3 &point, math::Vector3 &resolved, WallEdge &edge) const {
  const uint32_t n = m_edges.size();
  if (n == 0)
    return false;
  const math::Vector2 p = flat(point);
  bool found = false;
  bool touching = false;
  float best = 0.0f;
  math::Vector2 bestPoint;
  uint32_t bestEdge = 0;
  // A point on a zone plane belongs to the zone on its ">= 0" side.
  bool past = m_edges[0].zone.distance(point) >= 0.0f;
  for (uint32_t i = 0; i < n; ++i) {
    const WallEdge &e = m_edges[i];
    const WallEdge &next = m_edges[i + 1 < n ? i + 1 : 0];
    const bool nextPast = next.zone.distance(point) >= 0.0f;
    const bool inZone = past && !nextPast;
    past = nextPast;
    if (!inZone)
      continue;
    math::Vector2 candidate;
    bool flag;
    switch (e.kind) {
    case WallEdge::STRAIGHT:
      candidate = nearestOnSegment(flat(e.zone.point), flat(next.zone.point), p);
      flag = (p - flat(e.zone.point)).dot(flat(e.faceNormal)) < 0.0f;
      break;
    case WallEdge::SHARP:
      candidate = flat(e.zone.point);
      flag = true;
      break;
    case WallEdge::ROUNDED: {
      math::Vector2 out = p - flat(e.centre);
      flag = out.lengthSquared() < roundingRadius * roundingRadius;
      out.normalize();
      candidate = flat(e.centre) + out * roundingRadius;
      break;
    }
    default:
      continue;
    }
    const float distance = (candidate - p).lengthSquared();
    if (!found || distance < best) {
      found = true;
      best = distance;
      bestPoint = candidate;
      touching = flag;
      bestEdge = i;
    }
  }
  if (!found || !touching)
    return false;
  resolved = math::Vector3(bestPoint.x, bestPoint.y, point.z);
  edge = m_edges[bestEdge];
  return true;
}

void WallSet::bounds(math::Vector3 &minimum, math::Vector3 &maximum) const {
  minimum = maximum = math::Vector3();
  for (uint32_t i = 0; i < m_outline.size(); ++i) {
    const math::Vector3 p = gridToWorld(m_outline[i]);
    if (i == 0) {
      minimum = maximum = p;
      continue;
    }
    minimum.x = std::fmin(minimum.x, p.x);
    minimum.y = std::fmin(minimum.y, p.y);
    maximum.x = std::fmax(maximum.x, p.x);
    maximum.y = std::fmax(maximum.y, p.y);
  }
}

void WallSet::assign(const container::Vector<math::Vector2i> &outline,
                     const container::Vector<WallEdge> &edges,
                     const container::Vector<BorderVertex> &innerBorder,
                     const container::Vector<BorderVertex> &outerBorder) {
  clear();
  for (const math::Vector2i &p : outline) {
    m_outline.push(p);
    m_extraPoints.push(math::Vector3());
  }
  for (const WallEdge &e : edges)
    m_edges.push(e);
  for (const BorderVertex &v : innerBorder)
    m_innerBorder.push(v);
  for (const BorderVertex &v : outerBorder)
    m_outerBorder.push(v);
  rebuildBorder();
}

void WallSet::clear() {
  m_outline.clear();
  m_extraPoints.clear();
  m_edges.clear();
  m_innerBorder.clear();
  m_outerBorder.clear();
}
