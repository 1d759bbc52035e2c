#pragma once
// Where the ground meets the water: a strip of its own vertices with its
// pass, uploaded into buffer objects on first draw.

#include "math/Vector2.h"
#include "terrain/LayerMesh.h"
#include "video/TerrainSurface.h"

namespace terrain {

struct Coastline : video::TerrainStrip {
  Coastline() = default;
  Coastline(const Coastline &) = delete;
  Coastline &operator=(const Coastline &) = delete;
  // Its buffer objects go back to the pool.
  ~Coastline();

  // Fills the buffers where forced or where one has no GL name yet; the
  // vertex count follows the lists.
  void upload(bool force);

  // The strip's vertices.
  LayerMesh mesh;
  math::Vector2 textureScale{1.0f, 1.0f};
};

} // namespace terrain
