// The cylinder: rings of the side from y 1 down to y 0 and, with caps, two
// fans closing its ends.

#include "math/Scalar.h"
#include "mesh/MeshBuild.h"
#include "mesh/MeshBuilders.h"
#include "video/VertexRenderer.h"

#include <cmath>

namespace mesh {

namespace {

// One end: the centre, then n + 1 rim vertices; z is mirrored on the top so
// that both fans face outward.
void buildCap(MeshDefinition &definition, MeshPart &part, uint32_t first, uint32_t n, float y,
              float zSign) {
  const math::Vector3 normal(0.0f, y > 0.0f ? 1.0f : -1.0f, 0.0f);
  setBuiltVertex(definition, first, math::Vector3(0.0f, y, 0.0f), normal,
                 math::Vector2(0.5f, 0.5f));
  for (uint32_t i = 0; i <= n; ++i) {
    double a = double(i % n) * (2.0 * math::pi / double(n));
    math::Vector3 p(float(std::cos(a)), y, zSign * float(std::sin(a)));
    setBuiltVertex(definition, first + 1 + i, p, normal,
                   math::Vector2((1.0f + p.x) / 2.0f, (1.0f + p.z) / 2.0f));
  }
  part.addIndexList(runOfIndices(video::PRIMITIVE_TRIANGLE_FAN, first, n + 2));
}

} // namespace

MeshDefinition *meshBuildCylinder(uint32_t format, int slices, int stacks, float uStart,
                                  float uStep, float vStart, float vEnd, bool caps) {
  static const Symbol name = Symbol::intern(L"cylinder");
  if (slices < 1 || stacks < 1)
    return nullptr;
  uint64_t n = uint64_t(slices), m = uint64_t(stacks);
  uint64_t side = (n + 1) * (m + 1);
  uint64_t total = side + (caps ? 2 * (n + 2) : 0);
  MeshDefinition *definition =
      newBuiltDefinition(name, format, total > 65536u ? 65537u : uint32_t(total));
  if (!definition)
    return nullptr;
  for (uint32_t s = 0; s <= m; ++s) {
    float f = float(s) / float(m);
    for (uint32_t i = 0; i <= n; ++i) {
      double a = double(i % n) * (2.0 * math::pi / double(n));
      float x = float(std::cos(a)), z = float(std::sin(a));
      setBuiltVertex(*definition, s * uint32_t(n + 1) + i, math::Vector3(x, 1.0f - f, z),
                     math::Vector3(x, 0.0f, z),
                     math::Vector2(uStart + float(i) * uStep, vStart + (vEnd - vStart) * f));
    }
  }
  // One strip for each stack: a single strip over several stacks would draw
  // triangles across from the end of one to the start of the next.
  auto *body = new MeshPart(0);
  for (uint32_t s = 0; s < m; ++s) {
    auto *strip = new IndexList(video::PRIMITIVE_TRIANGLE_STRIP);
    strip->resize(2 * uint32_t(n + 1));
    for (uint32_t i = 0; i <= n; ++i) {
      (*strip)[2 * i] = static_cast<unsigned short>((s + 1) * (n + 1) + i);
      (*strip)[2 * i + 1] = static_cast<unsigned short>(s * (n + 1) + i);
    }
    body->addIndexList(strip);
  }
  definition->addPart(body);
  if (caps) {
    auto *ends = new MeshPart(1);
    buildCap(*definition, *ends, uint32_t(side), uint32_t(n), 0.0f, 1.0f);
    buildCap(*definition, *ends, uint32_t(side + n + 2), uint32_t(n), 1.0f, -1.0f);
    definition->addPart(ends);
  }
  return definition;
}

} // namespace mesh
