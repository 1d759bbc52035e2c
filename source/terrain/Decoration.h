#pragma once
// Billboards scattered over a terrain's dry ground near the camera (grass
// and the like): the billboard, how far out and how densely, jittered by
// noise, at a fixed height or the ground's, tinted by the ground or not.

#include "video/TerrainSurface.h"

class Billboard3D;

namespace terrain {

class Grid;

// Its settings are the canvas's record, which it fills with its grid, its
// index and its billboard's look when it draws.
class Decoration : public video::TerrainDecoration {
public:
  explicit Decoration(Grid &grid) : grid(&grid) {}
  Decoration(const Decoration &) = delete;
  Decoration &operator=(const Decoration &) = delete;
  ~Decoration();

  Billboard3D *billboard() const { return m_billboard; }
  // Takes the billboard; the previous one is deleted.
  void setBillboard(Billboard3D *billboard);
  // Hands this decoration, number index of its grid, to the canvas; nothing
  // without a billboard.
  void draw(video::Canvas &canvas, int index);

  Grid *grid;

private:
  Billboard3D *m_billboard = nullptr;
};

} // namespace terrain
