#pragma once
// A tube's path: a Catmull-Rom curve that can also be given its points
// directly (the level writer lays tubes out without a file to read), and
// whose nearest-point search has its room from the start, so that the band
// never allocates during play.

#include "container/Vector.h"
#include "math/CatmullRomSpline2D.h"
#include "math/Vector2.h"

class TubePath : public math::CatmullRomSpline2D {
public:
  void setPoints(const container::Vector<math::Vector2> &points) {
    m_points = points;
    rebuild();
  }
  void rebuild() override {
    math::CatmullRomSpline2D::rebuild();
    m_candidates.reserve(m_segments.size());
  }
};
