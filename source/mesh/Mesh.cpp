#include "mesh/Mesh.h"

#include "video/Canvas.h"

namespace mesh {

void Mesh::render(video::Canvas &canvas) { canvas.drawMesh(*this); }

} // namespace mesh
