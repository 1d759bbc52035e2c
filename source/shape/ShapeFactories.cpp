// Shapes made in code: a regular grid and a simple strip.

#include "mesh/MeshBuild.h"
#include "shape/Shape.h"
#include "video/VertexRenderer.h"

namespace shape {

namespace {

// Vertices that 16-bit indices reach.
const int64_t mostVertices = 65536;

} // namespace

Shape *Shape::createGrid(int rows, int columns) {
  // The spacing divides by one less than the rows and columns.
  if (rows < 2 || columns < 2 || int64_t(rows) * columns > mostVertices)
    return nullptr;
  uint32_t r = uint32_t(rows), c = uint32_t(columns);
  auto *grid = new Shape;
  grid->setVertexCount(r * c);
  for (uint32_t i = 0; i < r; ++i)
    for (uint32_t j = 0; j < c; ++j) {
      float x = -1.0f + float(j) * 2.0f / float(c - 1);
      float y = -1.0f + float(i) * 2.0f / float(r - 1);
      grid->vertexPosition(i * c + j) = math::Vector3(x, y, 0.0f);
      grid->uv(i * c + j) = math::Vector2((x + 1.0f) / 2.0f, 1.0f - (y + 1.0f) / 2.0f);
    }
  for (uint32_t i = 1; i < r; ++i) {
    auto *strip = new mesh::IndexList(video::PRIMITIVE_TRIANGLE_STRIP);
    strip->resize(2 * c);
    for (uint32_t j = 0; j < c; ++j) {
      (*strip)[2 * j] = static_cast<unsigned short>((i - 1) * c + j);
      (*strip)[2 * j + 1] = static_cast<unsigned short>(i * c + j);
    }
    grid->strips().push(strip);
  }
  return grid;
}

Shape *Shape::createStrip(int n) {
  if (n < 2 || 2 * int64_t(n) > mostVertices)
    return nullptr;
  uint32_t count = 2 * uint32_t(n);
  auto *strip = new Shape;
  strip->setVertexCount(count);
  for (uint32_t k = 0; k < uint32_t(n); ++k) {
    float t = float(k) / float(n - 1);
    strip->vertexPosition(2 * k) = math::Vector3(t, 1.0f, 0.0f);
    strip->uv(2 * k) = math::Vector2(t, 1.0f);
    strip->vertexPosition(2 * k + 1) = math::Vector3(t, 0.0f, 0.0f);
    strip->uv(2 * k + 1) = math::Vector2(t, 0.0f);
  }
  strip->strips().push(mesh::runOfIndices(video::PRIMITIVE_TRIANGLE_STRIP, 0, count));
  return strip;
}

} // namespace shape
