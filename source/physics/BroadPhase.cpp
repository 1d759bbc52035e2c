#include "physics/BroadPhase.h"

#include "physics/Structure3D.h"
#include "physics/WorldGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace physics {

namespace {

// A geometry covering more grid cells than this is tried every time instead.
constexpr uint32_t kMostCellsPerGeometry = 16;
// A structure spanning more cells than this is tried against every box.
constexpr int64_t kMostCellsPerQuery = 64;
// Cell coordinates are clamped to this, far beyond any level.
constexpr float kFarthestCell = 1 << 20;

constexpr float kInfinity = std::numeric_limits<float>::infinity();

bool sameBits(const math::Vector3 &a, const math::Vector3 &b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

uint32_t bucketCount(uint32_t geometryCount) {
  uint32_t n = 16;
  while (n < 2 * geometryCount)
    n *= 2;
  return n;
}

} // namespace

void BroadPhase::reserve(uint32_t geometryCount) {
  // Each is a no-op once big enough; the buckets are needed even for none.
  m_placements.reserve(geometryCount);
  m_bounds.reserve(geometryCount);
  m_wide.reserve(geometryCount);
  m_candidates.reserve(geometryCount);
  m_entries.reserve(kMostCellsPerGeometry * geometryCount);
  m_bucketStart.reserve(bucketCount(geometryCount) + 1);
}

BroadPhase::Bounds BroadPhase::everywhere() {
  return Bounds{{-kInfinity, -kInfinity, -kInfinity}, {kInfinity, kInfinity, kInfinity}};
}

bool BroadPhase::atomBounds(const Structure3D &structure, Bounds &bounds) {
  bool any = false;
  bounds = Bounds{{kInfinity, kInfinity, kInfinity}, {-kInfinity, -kInfinity, -kInfinity}};
  for (uint32_t i = 0; i < structure.atoms.size(); ++i) {
    const Atom &atom = *structure.atoms[i];
    // Collisions leave pinned atoms alone.
    if (atom.pinned == 1)
      continue;
    const float p[3] = {atom.position.x, atom.position.y, atom.position.z};
    const float r = std::fabs(atom.radius);
    if (!(std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]) && std::isfinite(r))) {
      // Such an atom "touches" whatever it is tried against.
      bounds = everywhere();
      return true;
    }
    for (int k = 0; k < 3; ++k) {
      bounds.low[k] = std::min(bounds.low[k], p[k] - r);
      bounds.high[k] = std::max(bounds.high[k], p[k] + r);
    }
    any = true;
  }
  return any;
}

bool BroadPhase::readPlacement(const WorldGeometry &geometry, Placement &placement) {
  math::Box3D local;
  const bool bounded = geometry.getLocalBounds(local);
  const math::TransformDefinition &t = geometry.transform;
  if (placement.geometry == &geometry && placement.bounded == bounded &&
      sameBits(placement.local.center, local.center) &&
      sameBits(placement.local.extents, local.extents) &&
      sameBits(placement.translation, t.translation) && sameBits(placement.axis, t.axis) &&
      sameBits(placement.angle, t.angle) && sameBits(placement.scale, t.scale) &&
      placement.flipX == t.flipX && placement.flipY == t.flipY && placement.flipZ == t.flipZ)
    return false;
  placement.geometry = &geometry;
  placement.local = local;
  placement.bounded = bounded;
  placement.translation = t.translation;
  placement.axis = t.axis;
  placement.angle = t.angle;
  placement.scale = t.scale;
  placement.flipX = t.flipX;
  placement.flipY = t.flipY;
  placement.flipZ = t.flipZ;
  return true;
}

BroadPhase::Bounds BroadPhase::worldBounds(const WorldGeometry &geometry,
                                           const Placement &placement) {
  const math::TransformDefinition &t = geometry.transform;
  // Distances keep their proportion only through a positive scale and a
  // rotation about a unit axis; anything else is tried every time.
  if (!placement.bounded || !(t.scale > 0))
    return everywhere();
  if (t.angle != 0 && !(std::fabs(t.axis.lengthSquared() - 1) <= 1e-6f))
    return everywhere();
  const math::Vector3 &c = placement.local.center;
  const math::Vector3 &e = placement.local.extents;
  Bounds bounds{{kInfinity, kInfinity, kInfinity}, {-kInfinity, -kInfinity, -kInfinity}};
  for (int corner = 0; corner < 8; ++corner) {
    const math::Vector3 local(c.x + ((corner & 1) ? e.x : -e.x), c.y + ((corner & 2) ? e.y : -e.y),
                              c.z + ((corner & 4) ? e.z : -e.z));
    const math::Vector3 w = t.apply(local);
    const float p[3] = {w.x, w.y, w.z};
    for (int k = 0; k < 3; ++k) {
      bounds.low[k] = std::min(bounds.low[k], p[k]);
      bounds.high[k] = std::max(bounds.high[k], p[k]);
    }
  }
  // Room for the rounding of the frame changes on either side.
  float magnitude = 0;
  for (int k = 0; k < 3; ++k) {
    if (!(std::isfinite(bounds.low[k]) && std::isfinite(bounds.high[k])))
      return everywhere();
    magnitude = std::max(magnitude, std::max(std::fabs(bounds.low[k]), std::fabs(bounds.high[k])));
  }
  const float pad = magnitude * 1e-5f + 1e-4f;
  for (int k = 0; k < 3; ++k) {
    bounds.low[k] -= pad;
    bounds.high[k] += pad;
  }
  return bounds;
}

int BroadPhase::cellOf(float coordinate) const {
  const float cell = std::floor(coordinate * m_inverseCellSize);
  return int(std::max(-kFarthestCell, std::min(kFarthestCell, cell)));
}

uint32_t BroadPhase::bucketOf(int x, int z) const {
  uint32_t h = uint32_t(x) * 0x8DA6B343u + uint32_t(z) * 0xD8163841u;
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return m_bucketShift >= 32 ? 0 : h >> m_bucketShift;
}

void BroadPhase::update(const container::Vector<WorldGeometry *> &geometries) {
  const uint32_t count = geometries.size();
  reserve(geometries.capacity());
  bool changed = !m_valid || count != m_count;
  if (count > m_count)
    for (uint32_t i = m_count; i < count; ++i)
      m_placements[i] = Placement();
  m_placements.setSize(count);
  m_bounds.setSize(count);
  for (uint32_t i = 0; i < count; ++i) {
    if (readPlacement(*geometries[i], m_placements[i])) {
      m_bounds[i] = worldBounds(*geometries[i], m_placements[i]);
      changed = true;
    }
  }
  m_count = count;
  if (changed)
    rebuildGrid();
  m_valid = true;
}

void BroadPhase::rebuildGrid() {
  // Cells about twice the mean footprint: most boxes fall in one to four.
  double footprint = 0;
  uint32_t finite = 0;
  for (uint32_t i = 0; i < m_count; ++i) {
    const Bounds &b = m_bounds[i];
    if (b.low[0] == -kInfinity)
      continue;
    footprint += std::max(b.high[0] - b.low[0], b.high[2] - b.low[2]);
    ++finite;
  }
  m_cellSize = finite == 0 ? 1.0f : std::max(float(2 * footprint / finite), 1e-3f);
  m_inverseCellSize = 1 / m_cellSize;

  const uint32_t buckets = bucketCount(m_count);
  uint32_t shift = 32;
  for (uint32_t n = buckets; n > 1; n /= 2)
    --shift;
  m_bucketShift = shift;
  m_bucketStart.setSize(buckets + 1);
  for (uint32_t b = 0; b <= buckets; ++b)
    m_bucketStart[b] = 0;

  // Count each bucket's entries, keep the too-wide ones aside, then fill
  // from the back so that each bucket lists its geometries in order. A
  // geometry goes once into each bucket its cells fall in.
  m_wide.clear();
  uint32_t cellBuckets[kMostCellsPerGeometry];
  auto bucketsOf = [&](int x0, int x1, int z0, int z1) {
    uint32_t n = 0;
    for (int x = x0; x <= x1; ++x)
      for (int z = z0; z <= z1; ++z) {
        const uint32_t b = bucketOf(x, z);
        bool seen = false;
        for (uint32_t k = 0; k < n; ++k)
          seen = seen || cellBuckets[k] == b;
        if (!seen)
          cellBuckets[n++] = b;
      }
    return n;
  };
  auto cellsOf = [this](const Bounds &b, int &x0, int &x1, int &z0, int &z1) {
    x0 = cellOf(b.low[0]);
    x1 = cellOf(b.high[0]);
    z0 = cellOf(b.low[2]);
    z1 = cellOf(b.high[2]);
    return int64_t(x1 - x0 + 1) * int64_t(z1 - z0 + 1);
  };
  for (uint32_t i = 0; i < m_count; ++i) {
    int x0, x1, z0, z1;
    if (m_bounds[i].low[0] == -kInfinity ||
        cellsOf(m_bounds[i], x0, x1, z0, z1) > int64_t(kMostCellsPerGeometry)) {
      m_wide.push(i);
      continue;
    }
    const uint32_t n = bucketsOf(x0, x1, z0, z1);
    for (uint32_t k = 0; k < n; ++k)
      ++m_bucketStart[cellBuckets[k]];
  }
  uint32_t total = 0;
  for (uint32_t b = 0; b < buckets; ++b) {
    total += m_bucketStart[b];
    m_bucketStart[b] = total;
  }
  m_bucketStart[buckets] = total;
  m_entries.setSize(total);
  uint32_t wide = m_wide.size();
  for (uint32_t i = m_count; i-- > 0;) {
    if (wide > 0 && m_wide[wide - 1] == i) {
      --wide;
      continue;
    }
    int x0, x1, z0, z1;
    cellsOf(m_bounds[i], x0, x1, z0, z1);
    const uint32_t n = bucketsOf(x0, x1, z0, z1);
    for (uint32_t k = 0; k < n; ++k)
      m_entries[--m_bucketStart[cellBuckets[k]]] = Entry{m_bounds[i], i};
  }
}

void BroadPhase::gather(const Bounds &bounds, uint32_t first) {
  m_candidates.clear();
  const int x0 = cellOf(bounds.low[0]), x1 = cellOf(bounds.high[0]);
  const int z0 = cellOf(bounds.low[2]), z1 = cellOf(bounds.high[2]);
  if (int64_t(x1 - x0 + 1) * int64_t(z1 - z0 + 1) > kMostCellsPerQuery) {
    for (uint32_t i = first; i < m_count; ++i)
      if (m_bounds[i].meets(bounds))
        m_candidates.push(i);
    return;
  }
  // A pair that meets is taken only in the cell holding the low corner of
  // the two boxes' overlap, so a geometry filed under several cells (or met
  // through several buckets) is taken once.
  for (int x = x0; x <= x1; ++x) {
    for (int z = z0; z <= z1; ++z) {
      const uint32_t b = bucketOf(x, z);
      for (uint32_t k = m_bucketStart[b]; k < m_bucketStart[b + 1]; ++k) {
        const Entry &entry = m_entries[k];
        if (entry.index < first || !entry.bounds.meets(bounds))
          continue;
        if (cellOf(std::max(bounds.low[0], entry.bounds.low[0])) == x &&
            cellOf(std::max(bounds.low[2], entry.bounds.low[2])) == z)
          m_candidates.push(entry.index);
      }
    }
  }
  for (uint32_t k = 0; k < m_wide.size(); ++k) {
    const uint32_t i = m_wide[k];
    if (i >= first && m_bounds[i].meets(bounds))
      m_candidates.push(i);
  }
  std::sort(m_candidates.begin(), m_candidates.end());
}

void BroadPhase::collide(Structure3D &structure,
                         const container::Vector<WorldGeometry *> &geometries) {
  uint32_t next = 0;
  Bounds atoms;
  if (!atomBounds(structure, atoms))
    return;
  for (;;) {
    if (!m_valid || geometries.size() != m_count)
      break;
    gather(atoms, next);
    bool moved = false;
    for (uint32_t k = 0; k < m_candidates.size(); ++k) {
      const uint32_t i = m_candidates[k];
      const bool touched = geometries[i]->collide(structure);
      next = i + 1;
      if (!m_valid || geometries.size() != m_count)
        break;
      if (touched) {
        // Responses and listeners may have moved any atom.
        if (!atomBounds(structure, atoms))
          return;
        moved = true;
        break;
      }
    }
    if (!moved)
      break;
  }
  if (m_valid && geometries.size() == m_count)
    return;
  // The lists changed under the step: the rest of it tries every geometry.
  for (uint32_t g = next; g < geometries.size(); ++g)
    geometries[g]->collide(structure);
}

} // namespace physics
