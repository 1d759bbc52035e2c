#include "video/DebugMeshes.h"

#include "mesh/Mesh.h"
#include "mesh/MeshBuilders.h"
#include "mesh/MeshDefinition.h"

namespace video {

namespace {

// Wraps a new definition in its mesh: drawn through the vertex renderer,
// always blended, in the normal blend mode.
mesh::Mesh *wrap(mesh::MeshDefinition *definition, bool flat) {
  definition->useBufferObjects = false;
  definition->alwaysBlend = true;
  auto *m = new mesh::Mesh(definition);
  m->setBlend(BLEND_NORMAL);
  if (flat) {
    m->cull = false;
    m->depthTest = false;
  }
  return m;
}

void destroy(mesh::Mesh *&m) {
  if (!m)
    return;
  delete m->definition;
  delete m;
  m = nullptr;
}

} // namespace

DebugMeshes::~DebugMeshes() {
  destroy(m_sphere);
  destroy(m_disc);
  destroy(m_capsuleBody);
  destroy(m_wedge);
  destroy(m_cube);
  destroy(m_planeQuad);
}

mesh::Mesh &DebugMeshes::sphere() {
  if (!m_sphere)
    m_sphere = wrap(mesh::meshBuildSphere(mesh::MESH_COLORS, 12, 6), false);
  return *m_sphere;
}

mesh::Mesh &DebugMeshes::disc() {
  if (!m_disc)
    m_disc = wrap(mesh::meshBuildCircle(mesh::MESH_COLORS, 24), true);
  return *m_disc;
}

mesh::Mesh &DebugMeshes::capsuleBody() {
  if (!m_capsuleBody)
    m_capsuleBody = wrap(
        mesh::meshBuildCylinder(mesh::MESH_COLORS, 24, 1, 0.0f, 1.0f / 24.0f, 0.0f, 1.0f, false),
        true);
  return *m_capsuleBody;
}

mesh::Mesh &DebugMeshes::wedge() {
  if (!m_wedge)
    m_wedge = wrap(mesh::meshBuildWedge(mesh::MESH_COLORS, math::Vector3(1, 1, 1)), false);
  return *m_wedge;
}

mesh::Mesh &DebugMeshes::cube() {
  if (!m_cube)
    m_cube = wrap(mesh::meshBuildBox(mesh::MESH_COLORS, math::Vector3(1, 1, 1), false), false);
  return *m_cube;
}

mesh::Mesh &DebugMeshes::planeQuad(float halfSize) {
  if (!m_planeQuad) {
    mesh::MeshDefinition *quad = mesh::meshBuildStrip(mesh::MESH_COLORS, 2);
    // The strip's corners (0, 1), (0, 0), (1, 1), (1, 0) become the quad's.
    const float corners[4][2] = {{-1, 1}, {-1, -1}, {1, 1}, {1, -1}};
    for (uint32_t i = 0; i < 4; ++i)
      quad->position(i) = math::Vector3(corners[i][0] * halfSize, 0.0f, corners[i][1] * halfSize);
    m_planeQuad = wrap(quad, true);
  }
  return *m_planeQuad;
}

} // namespace video
