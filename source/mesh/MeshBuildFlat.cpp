// The flat shapes: a strip of columns and a disc.

#include "math/Scalar.h"
#include "mesh/MeshBuild.h"
#include "mesh/MeshBuilders.h"
#include "video/VertexRenderer.h"

#include <cmath>

namespace mesh {

MeshDefinition *meshBuildStrip(uint32_t format, int columns) {
  static const Symbol name = Symbol::intern(L"strip");
  // The columns are 1 / (n - 1) apart.
  if (columns < 2)
    return nullptr;
  MeshDefinition *definition = newBuiltDefinition(name, format, 2u * uint32_t(columns));
  if (!definition)
    return nullptr;
  for (int i = 0; i < columns; ++i) {
    float u = float(i) / float(columns - 1);
    uint32_t k = 2u * uint32_t(i);
    definition->position(k) = math::Vector3(u, 1.0f, 0.0f);
    definition->texCoord(k) = math::Vector2(u, 1.0f);
    definition->position(k + 1) = math::Vector3(u, 0.0f, 0.0f);
    definition->texCoord(k + 1) = math::Vector2(u, 0.0f);
  }
  auto *part = new MeshPart(0);
  part->addIndexList(runOfIndices(video::PRIMITIVE_TRIANGLE_STRIP, 0, 2u * uint32_t(columns)));
  definition->addPart(part);
  return definition;
}

MeshDefinition *meshBuildCircle(uint32_t format, int segments) {
  static const Symbol name = Symbol::intern(L"circle");
  if (segments < 1)
    return nullptr;
  uint32_t n = uint32_t(segments);
  MeshDefinition *definition = newBuiltDefinition(name, format, n + 2);
  if (!definition)
    return nullptr;
  const math::Vector3 normal(0.0f, 0.0f, 1.0f);
  setBuiltVertex(*definition, 0, math::Vector3(), normal, math::Vector2(0.5f, 0.5f));
  for (uint32_t i = 0; i <= n; ++i) {
    // Counter-clockwise from (0, 1); the last rim vertex is the first again.
    double a = double(i % n) * (2.0 * math::pi / double(n));
    float x = float(-std::sin(a)), y = float(std::cos(a));
    setBuiltVertex(*definition, i + 1, math::Vector3(x, y, 0.0f), normal,
                   math::Vector2((x + 1.0f) / 2.0f, (y + 1.0f) / 2.0f));
  }
  auto *part = new MeshPart(0);
  part->addIndexList(runOfIndices(video::PRIMITIVE_TRIANGLE_FAN, 0, n + 2));
  definition->addPart(part);
  return definition;
}

} // namespace mesh
