#include "terrain/Coastline.h"

#include "video/BufferObject.h"

namespace terrain {

Coastline::~Coastline() {
  for (video::BufferObject *buffer : {positions, colors, coordinates})
    if (buffer)
      video::BufferObjectPool::instance().destroy(buffer);
}

void Coastline::upload(bool force) {
  // The same three lists as a shore mesh, uploaded the same way.
  video::TerrainBlock block;
  block.extraPositions = positions;
  block.extraColors = colors;
  block.extraCoordinates = coordinates;
  mesh.upload(block, force);
  positions = block.extraPositions;
  colors = block.extraColors;
  coordinates = block.extraCoordinates;
  vertexCount = block.extraCount;
}

} // namespace terrain
