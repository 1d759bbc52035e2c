#include "terrain/LayerMesh.h"

#include "video/BufferObject.h"
#include "video/TerrainSurface.h"

namespace terrain {

namespace {

void fill(video::BufferObject *&buffer, const void *data, size_t bytes, bool force) {
  if (!buffer)
    buffer = video::BufferObjectPool::instance().create();
  if (force || buffer->name() == 0)
    buffer->fill(video::BufferObject::ARRAY, data, bytes);
}

} // namespace

static_assert(sizeof(math::Vector3) == 12 && sizeof(math::Vector2) == 8 &&
              sizeof(math::PackedColor) == 4);

void LayerMesh::upload(video::TerrainBlock &block, bool force) const {
  uint32_t n = positions.size();
  if (colors.size() < n)
    n = colors.size();
  if (textureCoordinates.size() < n)
    n = textureCoordinates.size();
  block.extraCount = n;
  if (n == 0)
    return;
  fill(block.extraPositions, positions.data(), n * sizeof(math::Vector3), force);
  fill(block.extraColors, colors.data(), n * sizeof(math::PackedColor), force);
  fill(block.extraCoordinates, textureCoordinates.data(), n * sizeof(math::Vector2), force);
}

} // namespace terrain
