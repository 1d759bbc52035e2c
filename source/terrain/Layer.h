#pragma once
// One coloured, textured layer of a terrain grid: its pass, its colour at
// every grid vertex, per-cell flags, and the buffers the canvas draws from
// (the dry and the submerged strip lists with their shore meshes).

#include "container/Vector.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "terrain/LayerMesh.h"
#include "video/RenderPass.h"
#include "video/TerrainSurface.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace terrain {

class Grid;

// Bits of a layer's cell flags.
enum CellFlag : uint8_t {
  CELL_DRY = 1,       // all four corners at or above the water level
  CELL_SUBMERGED = 2, // all four at or below it
  CELL_COVERED = 4,   // a later layer covers the cell opaquely
  CELL_INVISIBLE = 8, // all four corner colours have alpha 0
};

class Layer {
public:
  explicit Layer(Grid &grid) : grid(&grid) {}
  Layer(const Layer &) = delete;
  Layer &operator=(const Layer &) = delete;
  // Its buffer objects go back to the pool.
  ~Layer();

  container::Vector<uint16_t> &indicesAbove() { return buffers.blocks[0].indices; }
  container::Vector<uint16_t> &indicesBelow() { return buffers.blocks[1].indices; }

  Symbol name;
  Grid *grid;
  // rows x columns, row-major; opaque white until filled.
  container::Vector<math::Color> colors;
  // (rows - 1) x (columns - 1).
  container::Vector<uint8_t> cellFlags;
  video::RenderPass renderPass;
  math::Vector2 textureScale{1.0f, 1.0f};
  // The first drawn with the dry part, the second with the submerged part.
  LayerMesh shoreMeshes[2];
  video::TerrainLayerBuffers buffers;
};

} // namespace terrain
