#include "terrain/Layer.h"

#include "video/BufferObject.h"

namespace terrain {

namespace {

void giveBack(video::BufferObject *&buffer) {
  if (buffer)
    video::BufferObjectPool::instance().destroy(buffer);
  buffer = nullptr;
}

} // namespace

Layer::~Layer() {
  giveBack(buffers.positions);
  giveBack(buffers.colors);
  giveBack(buffers.coordinates);
  for (video::TerrainBlock &block : buffers.blocks) {
    giveBack(block.indexBuffer);
    giveBack(block.extraPositions);
    giveBack(block.extraColors);
    giveBack(block.extraCoordinates);
  }
}

} // namespace terrain
