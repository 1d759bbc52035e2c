#pragma once
// The meshes the canvas's debug view draws, each built by the mesh builders
// on its first use and kept (mesh and definition) until the canvas goes:
// a sphere, a disc, a capsule's body, a wedge, a cube and a plane's quad.
// They keep their arrays out of buffer objects and always blend.

#include "file/NonCopyable.h"

namespace mesh {
class Mesh;
}

namespace video {

class DebugMeshes : public NonCopyable {
public:
  DebugMeshes() = default;
  ~DebugMeshes();

  mesh::Mesh &sphere();
  mesh::Mesh &disc();
  mesh::Mesh &capsuleBody();
  mesh::Mesh &wedge();
  mesh::Mesh &cube();
  // Built with the half size of its first use.
  mesh::Mesh &planeQuad(float halfSize);

private:
  mesh::Mesh *m_sphere = nullptr;
  mesh::Mesh *m_disc = nullptr;
  mesh::Mesh *m_capsuleBody = nullptr;
  mesh::Mesh *m_wedge = nullptr;
  mesh::Mesh *m_cube = nullptr;
  mesh::Mesh *m_planeQuad = nullptr;
};

} // namespace video
