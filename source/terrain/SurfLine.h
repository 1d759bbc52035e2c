#pragma once
// Breaking surf along the shore of a terrain: closed loops of water-side
// (inner) and land-side (outer) points drawn as ribbons with one pass.

#include "video/TerrainSurface.h"

namespace terrain {

// A loop's segment i runs from inner point i to the next, the last back to
// the first.
struct SurfLoop : video::TerrainRibbon {
  void computeSegmentLengths();
};

struct SurfLine : video::TerrainRibbons {
  // Appends a loop of these points and computes its segment lengths.
  void addLoop(const container::Vector<math::Vector3> &inner,
               const container::Vector<math::Vector3> &outer);
  void update(float dt) { renderPass.advanceTime(dt); }
};

} // namespace terrain
