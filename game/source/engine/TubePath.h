#pragma once
// A tube's path: a Catmull-Rom curve that can also be given its points
// directly (the level writer lays tubes out without a file to read).

#include "container/Vector.h"
#include "math/CatmullRomSpline2D.h"
#include "math/Vector2.h"

class TubePath : public math::CatmullRomSpline2D {
public:
  void setPoints(const container::Vector<math::Vector2> &points) {
    m_points = points;
    rebuild();
  }
};
