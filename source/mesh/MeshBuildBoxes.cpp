// Boxes and wedges: faces of three or four vertices, each its own strip,
// shaded flat.

#include "mesh/MeshBuild.h"
#include "mesh/MeshBuilders.h"
#include "video/VertexRenderer.h"

namespace mesh {

namespace {

// A corner as signs of the half extents, with its texture coordinate.
struct Corner {
  float x, y, z, u, v;
};

struct Face {
  float nx, ny, nz;
  // The slope of a wedge takes its normal from the extents.
  bool slope;
  int count;
  Corner corners[4];
};

// Each face's vertices top-left, bottom-left, top-right, bottom-right as
// seen from outside.
const Face front = {
    0, 0, 1, false, 4, {{-1, 1, 1, 0, 0}, {-1, -1, 1, 0, 1}, {1, 1, 1, 1, 0}, {1, -1, 1, 1, 1}}};
const Face right = {
    1, 0, 0, false, 4, {{1, 1, 1, 0, 0}, {1, -1, 1, 0, 1}, {1, 1, -1, 1, 0}, {1, -1, -1, 1, 1}}};
const Face back = {
    0,     0, -1,
    false, 4, {{1, 1, -1, 0, 0}, {1, -1, -1, 0, 1}, {-1, 1, -1, 1, 0}, {-1, -1, -1, 1, 1}}};
const Face left = {
    -1,    0, 0,
    false, 4, {{-1, 1, -1, 0, 0}, {-1, -1, -1, 0, 1}, {-1, 1, 1, 1, 0}, {-1, -1, 1, 1, 1}}};
const Face top = {
    0, 1, 0, false, 4, {{-1, 1, -1, 0, 0}, {-1, 1, 1, 0, 1}, {1, 1, -1, 1, 0}, {1, 1, 1, 1, 1}}};
const Face bottom = {
    0,     -1, 0,
    false, 4,  {{-1, -1, 1, 0, 0}, {-1, -1, -1, 0, 1}, {1, -1, 1, 1, 0}, {1, -1, -1, 1, 1}}};
const Face wedgeFront = {0, 0, 1, false, 3, {{-1, -1, 1, 0, 1}, {1, -1, 1, 1, 1}, {1, 1, 1, 1, 0}}};
const Face wedgeBack = {0,     0, -1,
                        false, 3, {{1, 1, -1, 1, 0}, {1, -1, -1, 1, 1}, {-1, -1, -1, 0, 1}}};
const Face wedgeSlope = {
    0, 0, 0, true, 4, {{1, 1, -1, 0, 0}, {-1, -1, -1, 0, 1}, {1, 1, 1, 1, 0}, {-1, -1, 1, 1, 1}}};

MeshDefinition *buildFaces(Symbol name, uint32_t format, const math::Vector3 &e,
                           const Face *const *faces, int faceCount, bool partPerFace) {
  uint32_t count = 0;
  for (int f = 0; f < faceCount; ++f)
    count += uint32_t(faces[f]->count);
  MeshDefinition *definition = newBuiltDefinition(name, format, count);
  if (!definition)
    return nullptr;
  math::Vector3 slopeNormal(-e.y, e.x, 0.0f);
  slopeNormal.normalize();
  MeshPart *part = nullptr;
  uint32_t vertex = 0;
  for (int f = 0; f < faceCount; ++f) {
    const Face &face = *faces[f];
    if (!part || partPerFace) {
      part = new MeshPart(partPerFace ? uint32_t(f) : 0u);
      part->shadeModel = 1;
      definition->addPart(part);
    }
    math::Vector3 normal = face.slope ? slopeNormal : math::Vector3(face.nx, face.ny, face.nz);
    for (int k = 0; k < face.count; ++k) {
      const Corner &c = face.corners[k];
      setBuiltVertex(*definition, vertex + uint32_t(k),
                     math::Vector3(c.x * e.x, c.y * e.y, c.z * e.z), normal,
                     math::Vector2(c.u, c.v));
    }
    part->addIndexList(runOfIndices(video::PRIMITIVE_TRIANGLE_STRIP, vertex, uint32_t(face.count)));
    vertex += uint32_t(face.count);
  }
  return definition;
}

} // namespace

MeshDefinition *meshBuildThreeQuarterBox(uint32_t format, const math::Vector3 &halfExtents,
                                         bool partPerFace) {
  static const Symbol name = Symbol::intern(L"threeQuartersBox");
  const Face *faces[] = {&front, &right, &left, &top};
  return buildFaces(name, format, halfExtents, faces, 4, partPerFace);
}

MeshDefinition *meshBuildBottomlessBox(uint32_t format, const math::Vector3 &halfExtents) {
  static const Symbol name = Symbol::intern(L"bottomlessBox");
  const Face *faces[] = {&front, &right, &back, &left, &top};
  return buildFaces(name, format, halfExtents, faces, 5, false);
}

MeshDefinition *meshBuildBox(uint32_t format, const math::Vector3 &halfExtents, bool partPerFace) {
  static const Symbol name = Symbol::intern(L"box");
  const Face *faces[] = {&front, &right, &back, &left, &top, &bottom};
  return buildFaces(name, format, halfExtents, faces, 6, partPerFace);
}

MeshDefinition *meshBuildBottomlessWedge(uint32_t format, const math::Vector3 &halfExtents) {
  static const Symbol name = Symbol::intern(L"bottomlessWedge");
  const Face *faces[] = {&wedgeFront, &wedgeBack, &right, &wedgeSlope};
  return buildFaces(name, format, halfExtents, faces, 4, false);
}

MeshDefinition *meshBuildWedge(uint32_t format, const math::Vector3 &halfExtents) {
  static const Symbol name = Symbol::intern(L"wedge");
  const Face *faces[] = {&wedgeFront, &wedgeBack, &right, &wedgeSlope, &bottom};
  return buildFaces(name, format, halfExtents, faces, 5, false);
}

} // namespace mesh
