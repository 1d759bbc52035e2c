#include "math/HeightMap.h"

#include "math/Scalar.h"

#include <cmath>

namespace {

enum Mode { ABOVE, ON, BELOW };

// Longer walks only step through cells outside the grid.
constexpr double maximumSteps = 16777216.0;

} // namespace

// Walks the grid cells along the segment, one cell per step along the axis
// it moves most on, testing the cell and its two neighbours across that axis.
// A level that follows the segment's height lets the walk skip triangles
// wholly on the far side of it.
bool HeightMap::intersectSegment(const math::Vector3 &start, const math::Vector3 &end,
                                 const math::Vector3 &direction, math::Vector3 &hit) const {
  if (m_spacing.x == 0 || m_spacing.z == 0)
    return false;
  const math::Vector2 gs = toGrid(start), ge = toGrid(end);
  const float k = ge.x == gs.x ? 1000000.0f : (ge.y - gs.y) / (ge.x - gs.x);

  float h = 0;
  project(start, &h, nullptr);
  Mode mode;
  float level;
  if (start.y > h) {
    mode = ABOVE;
    level = start.y - 0.3f * m_spacing.y;
  } else if (start.y == h) {
    mode = ON;
    level = start.y;
  } else {
    mode = BELOW;
    level = start.y + 0.3f * m_spacing.y;
  }

  const bool alongZ = math::abs(k) > 1;
  float stepX, stepZ, span, step;
  if (alongZ) {
    span = math::abs(ge.y - gs.y);
    stepZ = math::min(1.0f, span);
    stepX = 1 / k;
    if (ge.y < gs.y) {
      stepZ = -stepZ;
      stepX = -stepX;
    }
    step = math::abs(stepZ);
  } else {
    span = math::abs(ge.x - gs.x);
    stepX = math::min(1.0f, span);
    stepZ = k;
    if (ge.x < gs.x) {
      stepX = -stepX;
      stepZ = -stepZ;
    }
    step = math::abs(stepX);
  }

  double steps;
  if (step != 0)
    steps = std::ceil(double(span) / double(step)) + 1;
  else if (ge.x == gs.x && ge.y == gs.y)
    // Straight up or down: the walk would take no step, yet the segment
    // still crosses the cell under its start.
    steps = 1;
  else
    return false;
  if (!(steps >= 1))
    return false;
  const float rise = steps > 1 ? (end.y - start.y) / float(steps - 1) : end.y - start.y;
  const long n = long(math::min(steps, maximumSteps));

  const int cellsX = m_size.width - 1, cellsZ = m_size.height - 1;
  float gx = gs.x, gz = gs.y;
  for (long s = 0; s < n; ++s) {
    level += rise;
    const float fi = std::floor(gx), fj = std::floor(gz);
    for (int offset = -1; offset <= 1; ++offset) {
      const float ci = alongZ ? fi + float(offset) : fi;
      const float cj = alongZ ? fj : fj + float(offset);
      if (!(ci >= 0 && ci < float(cellsX) && cj >= 0 && cj < float(cellsZ)))
        continue;
      const Cell &c = cell(int(ci), int(cj));
      for (const Triangle &t : c.tri) {
        const bool allBelow =
            t.corner[0].y < level && t.corner[1].y < level && t.corner[2].y < level;
        const bool allAbove =
            t.corner[0].y > level && t.corner[1].y > level && t.corner[2].y > level;
        if ((mode == ABOVE && allBelow) || (mode == BELOW && allAbove))
          continue;
        if (t.intersectRay(start, end, direction, hit))
          return true;
      }
    }
    gx += stepX;
    gz += stepZ;
  }
  return false;
}
