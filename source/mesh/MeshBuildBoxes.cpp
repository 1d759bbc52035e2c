// Boxes and wedges: faces of three or four vertices, each its own strip,
// shaded flat.

#include "mesh/BoxFaces.h"
#include "mesh/MeshBuild.h"
#include "mesh/MeshBuilders.h"
#include "video/VertexRenderer.h"

namespace mesh {

namespace {

const Face &front = boxFaces[FACE_FRONT];
const Face &right = boxFaces[FACE_RIGHT];
const Face &back = boxFaces[FACE_BACK];
const Face &left = boxFaces[FACE_LEFT];
const Face &top = boxFaces[FACE_TOP];
const Face &bottom = boxFaces[FACE_BOTTOM];

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
      const FaceCorner &c = face.corners[k];
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
