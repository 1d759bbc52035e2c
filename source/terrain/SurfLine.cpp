#include "terrain/SurfLine.h"

namespace terrain {

void SurfLoop::computeSegmentLengths() {
  segmentLengths.clear();
  uint32_t n = inner.size();
  for (uint32_t i = 0; i < n; ++i)
    segmentLengths.push((inner[(i + 1) % n] - inner[i]).length());
}

void SurfLine::addLoop(const container::Vector<math::Vector3> &inner,
                       const container::Vector<math::Vector3> &outer) {
  SurfLoop loop;
  loop.inner = inner;
  loop.outer = outer;
  loop.computeSegmentLengths();
  loops.push(loop);
}

} // namespace terrain
