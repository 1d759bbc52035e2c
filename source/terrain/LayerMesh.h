#pragma once
// A triangle list of its own vertices drawn with a terrain layer: the shore
// meshes between the ground and the water. Every three vertices form one
// triangle; the three lists always have the same length.

#include "container/Vector.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "math/Vector3.h"

namespace video {
struct TerrainBlock;
}

namespace terrain {

struct LayerMesh {
  container::Vector<math::Vector3> positions;
  container::Vector<math::PackedColor> colors;
  container::Vector<math::Vector2> textureCoordinates;

  // Fills the block's extra buffers (made from the pool when missing) when
  // forced or when one has no GL name yet, and sets its vertex count.
  void upload(video::TerrainBlock &block, bool force) const;
};

} // namespace terrain
