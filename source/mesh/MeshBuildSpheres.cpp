// Spheres, half spheres and spherical caps: rings of vertices between the
// poles, joined by strips, with fans round the poles.

#include "math/Quaternion.h"
#include "mesh/MeshBuild.h"
#include "mesh/MeshBuilders.h"
#include "video/VertexRenderer.h"

namespace mesh {

namespace {

const math::Vector3 north(0.0f, 1.0f, 0.0f);
const math::Vector3 south(0.0f, -1.0f, 0.0f);
const math::Vector3 xAxis(1.0f, 0.0f, 0.0f);
const math::Vector3 yAxis(0.0f, 1.0f, 0.0f);

// The north pole turned by the polar angle about x, then round y.
math::Vector3 ringPoint(float polarDegrees, float aroundDegrees) {
  math::Quaternion down, around;
  down.setAxisAngle(xAxis, polarDegrees);
  around.setAxisAngle(yAxis, aroundDegrees);
  return around.rotate(down.rotate(north));
}

// More vertices than 16-bit indices reach count as too many.
uint32_t vertexTotal(uint64_t count) { return count > 65536u ? 65537u : uint32_t(count); }

IndexList *newList(uint32_t primitive, uint32_t count) {
  auto *list = new IndexList(primitive);
  list->resize(count);
  return list;
}

// n + 1 vertices a ring, rings 1 to m - 1, the poles first and last. A
// full turn closes each ring on its first vertex exactly.
MeshDefinition *buildRings(Symbol name, uint32_t format, int slices, int stacks, float startAngle,
                           float sliceAngle, bool fullTurn, bool northFan, bool southFan) {
  if (slices < 1 || stacks < 2)
    return nullptr;
  uint32_t n = uint32_t(slices), m = uint32_t(stacks);
  MeshDefinition *definition =
      newBuiltDefinition(name, format, vertexTotal(uint64_t(n + 1) * (m - 1) + 2));
  if (!definition)
    return nullptr;
  uint32_t last = definition->vertexCount() - 1;
  setBuiltVertex(*definition, 0, north, north, math::Vector2(0.5f, 0.0f));
  setBuiltVertex(*definition, last, south, south, math::Vector2(0.5f, 1.0f));
  auto ring = [n](uint32_t j, uint32_t i) { return 1 + (j - 1) * (n + 1) + i; };
  for (uint32_t j = 1; j < m; ++j) {
    float polar = float(j) * 180.0f / float(m);
    for (uint32_t i = 0; i <= n; ++i) {
      uint32_t step = fullTurn ? i % n : i;
      math::Vector3 p = ringPoint(polar, startAngle + float(step) * sliceAngle);
      setBuiltVertex(*definition, ring(j, i), p, p,
                     math::Vector2(float(i) / float(n), float(j) / float(m)));
    }
  }
  auto *part = new MeshPart(0);
  if (northFan) {
    IndexList *fan = newList(video::PRIMITIVE_TRIANGLE_FAN, n + 2);
    (*fan)[0] = 0;
    for (uint32_t i = 0; i <= n; ++i)
      (*fan)[i + 1] = static_cast<unsigned short>(ring(1, i));
    part->addIndexList(fan);
  }
  for (uint32_t j = 1; j + 1 < m; ++j) {
    IndexList *strip = newList(video::PRIMITIVE_TRIANGLE_STRIP, 2 * (n + 1));
    for (uint32_t i = 0; i <= n; ++i) {
      (*strip)[2 * i] = static_cast<unsigned short>(ring(j, i));
      (*strip)[2 * i + 1] = static_cast<unsigned short>(ring(j + 1, i));
    }
    part->addIndexList(strip);
  }
  if (southFan) {
    IndexList *fan = newList(video::PRIMITIVE_TRIANGLE_FAN, n + 2);
    (*fan)[0] = static_cast<unsigned short>(last);
    for (uint32_t i = 0; i <= n; ++i)
      (*fan)[i + 1] = static_cast<unsigned short>(ring(m - 1, n - i));
    part->addIndexList(fan);
  }
  definition->addPart(part);
  return definition;
}

} // namespace

MeshDefinition *meshBuildSphere(uint32_t format, int slices, int stacks) {
  static const Symbol name = Symbol::intern(L"sphere");
  return buildRings(name, format, slices, stacks, 0.0f, slices > 0 ? 360.0f / float(slices) : 0.0f,
                    true, true, true);
}

MeshDefinition *meshBuildHemisphere(uint32_t format, int slices, int stacks, float startAngle,
                                    bool topCap, bool bottomCap) {
  static const Symbol name = Symbol::intern(L"hemisphere");
  return buildRings(name, format, slices, stacks, startAngle,
                    slices > 0 ? 180.0f / float(slices) : 0.0f, false, topCap, bottomCap);
}

MeshDefinition *meshBuildSphereCap(uint32_t format, int segments, int divisions, bool top) {
  static const Symbol name = Symbol::intern(L"sphereCap");
  if (segments < 1 || divisions < 1)
    return nullptr;
  uint32_t n = uint32_t(segments), m = uint32_t(divisions);
  MeshDefinition *definition = newBuiltDefinition(name, format, vertexTotal(uint64_t(n) + 2));
  if (!definition)
    return nullptr;
  const math::Vector2 middle(0.5f, 0.5f);
  // With top the pole comes first and the ring after it; else the ring,
  // then the south pole.
  uint32_t pole = top ? 0 : n + 1;
  uint32_t firstRing = top ? 1 : 0;
  float polar = top ? 180.0f / float(m) : float(m - 1) * 180.0f / float(m);
  setBuiltVertex(*definition, pole, top ? north : south, top ? north : south, middle);
  for (uint32_t k = 0; k <= n; ++k) {
    float angle = float(k % n) * 360.0f / float(n);
    math::Vector3 p = ringPoint(polar, angle);
    math::Vector2 t(0.0f, -0.5f);
    t.rotate(angle);
    setBuiltVertex(*definition, firstRing + k, p, p, middle + t);
  }
  IndexList *fan = newList(video::PRIMITIVE_TRIANGLE_FAN, n + 2);
  (*fan)[0] = static_cast<unsigned short>(pole);
  if (top) {
    for (uint32_t k = 0; k <= n; ++k)
      (*fan)[k + 1] = static_cast<unsigned short>(1 + k);
  } else {
    // Wound the other way: 1, then n down to 1.
    (*fan)[1] = 1;
    for (uint32_t k = 0; k < n; ++k)
      (*fan)[k + 2] = static_cast<unsigned short>(n - k);
  }
  auto *part = new MeshPart(0);
  part->addIndexList(fan);
  definition->addPart(part);
  return definition;
}

void meshSphereQuadIndices(int slices, int stacks, int column, int band, int out[4]) {
  int n = slices, m = stacks, c = column, r = band;
  if (r == 0) {
    out[0] = 0;
    out[1] = c + 2;
    out[2] = c + 1;
    out[3] = 0;
    return;
  }
  int t = c + 1 + (n + 1) * (r - 1);
  if (r + 1 >= m) {
    int s = (n + 1) * (m - 1) + 1;
    out[0] = t + 1;
    out[1] = s;
    out[2] = s;
    out[3] = t;
    return;
  }
  out[0] = t + 1;
  out[1] = t + n + 2;
  out[2] = t + n + 1;
  out[3] = t;
}

} // namespace mesh
