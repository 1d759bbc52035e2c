#include "math/HeightMap.h"

#include "error/Assert.h"
#include "math/ClosestPoint.h"

#include <cmath>

namespace {

// A grid index from a floored or ceiled grid coordinate, clamped to
// [0, n - 1] in float first so that no conversion overflows (NaN gives 0).
int clampIndex(float v, int n) {
  if (!(v > 0))
    return 0;
  if (v >= float(n - 1))
    return n - 1;
  return int(v);
}

// An index of a cell when the coordinate can hold one, else -1.
int cellIndex(float v, int cells) {
  if (!(v >= 0) || v >= float(cells))
    return -1;
  return int(v);
}

} // namespace

math::Vector2 HeightMap::toGrid(const math::Vector3 &p) const {
  if (m_spacing.x == 0 || m_spacing.z == 0)
    return math::Vector2(0, 0);
  const math::Vector3 c = centre(m_size);
  return math::Vector2(p.x / m_spacing.x + c.x, p.z / m_spacing.z + c.z);
}

bool HeightMap::cellAt(const math::Vector3 &p, int &i, int &j) const {
  float fx, fz;
  return cellAt(p, i, j, fx, fz);
}

bool HeightMap::cellAt(const math::Vector3 &p, int &i, int &j, float &fractionX,
                       float &fractionZ) const {
  if (m_spacing.x == 0 || m_spacing.z == 0)
    return false;
  const math::Vector2 g = toGrid(p);
  const float fi = std::floor(g.x), fj = std::floor(g.y);
  const int ci = cellIndex(fi, m_size.width - 1), cj = cellIndex(fj, m_size.height - 1);
  if (ci < 0 || cj < 0)
    return false;
  i = ci;
  j = cj;
  fractionX = g.x - fi;
  fractionZ = g.y - fj;
  return true;
}

void HeightMap::gridBlock(const math::Vector3 &a, const math::Vector3 &b, int &i0, int &i1, int &j0,
                          int &j1) const {
  i0 = i1 = j0 = j1 = 0;
  if (m_spacing.x == 0 || m_spacing.z == 0 || m_size.width == 0 || m_size.height == 0)
    return;
  const math::Vector2 ga = toGrid(a), gb = toGrid(b);
  i0 = clampIndex(std::floor(ga.x), m_size.width);
  i1 = clampIndex(std::ceil(gb.x), m_size.width);
  j0 = clampIndex(std::floor(ga.y), m_size.height);
  j1 = clampIndex(std::ceil(gb.y), m_size.height);
}

void HeightMap::gridBlock(const math::Sphere &sphere, int &i0, int &i1, int &j0, int &j1) const {
  i0 = i1 = j0 = j1 = 0;
  if (m_spacing.x == 0 || m_spacing.z == 0 || m_size.width == 0 || m_size.height == 0)
    return;
  const math::Vector2 g = toGrid(sphere.center);
  const float rx = sphere.radius / m_spacing.x, rz = sphere.radius / m_spacing.z;
  i0 = clampIndex(std::floor(g.x - rx), m_size.width);
  i1 = clampIndex(std::ceil(g.x + rx), m_size.width);
  j0 = clampIndex(std::floor(g.y - rz), m_size.height);
  j1 = clampIndex(std::ceil(g.y + rz), m_size.height);
}

const HeightMap::Triangle *HeightMap::triangleAt(const math::Vector3 &p) const {
  int i, j;
  if (!cellAt(p, i, j))
    return nullptr;
  const Cell &c = cell(i, j);
  const math::Vector2 g = toGrid(p);
  // Which side of the diagonal; a point on it belongs to tri[1].
  const math::Vector2 q = c.diagonal ? g - math::Vector2(float(i + 1), float(j))
                                     : g - math::Vector2(float(i), float(j));
  const math::Vector2 direction =
      c.diagonal ? math::Vector2(-0.707f, -0.707f) : math::Vector2(0.707f, -0.707f);
  return &c.tri[q.dot(direction) > 0 ? 0 : 1];
}

bool HeightMap::project(const math::Vector3 &p, float *height, const Triangle **triangle) const {
  const Triangle *t = triangleAt(p);
  if (t == nullptr)
    return false;
  float h = 0;
  CORVANE_ASSERT_TEXT(::project(p, t->corner[0], t->faceNormal, h),
                      L"project( position, tri->corner[0], tri->faceNormal, height )");
  if (height != nullptr)
    *height = h;
  if (triangle != nullptr)
    *triangle = t;
  return true;
}

void HeightMap::surfacePoint(const math::Vector3 &position, math::Vector3 &point,
                             math::Vector3 &normal) const {
  float h = 0;
  const Triangle *t = nullptr;
  if (!project(position, &h, &t)) {
    point.set(position.x, 0, position.z);
    normal.set(0, 1, 0);
    return;
  }
  point.set(position.x, h, position.z);
  float w[3];
  math::barycentric(t->corner[0], t->corner[1], t->corner[2], point, w[0], w[1], w[2]);
  normal = math::Vector3();
  for (int k = 0; k < 3; ++k)
    normal += this->normal(t->index[k][0], t->index[k][1]) * w[k];
  normal.normalizeFast();
}
