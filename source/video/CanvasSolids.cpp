// Triangles, solid boxes and box edges in 3-D, drawn at once.

#include "math/Box3D.h"
#include "mesh/BoxFaces.h"
#include "video/Canvas.h"
#include "video/RenderState.h"
#include "video/VertexRenderer.h"

namespace video {

void Canvas::setSolidState(const math::Color &color, bool depth) {
  RenderState &state = renderState();
  state.setLighting(false);
  state.setTexture(nullptr, 0);
  state.setDepthWrite(effectiveDepthWrite(depth));
  state.setDepthTest(effectiveDepthTest(depth));
  int mode = effectiveBlendMode(BLEND_NORMAL);
  state.setBlendMode(mode);
  state.setBlending(color.a < 1.0f || !colorStackTopOpaque() || mode != BLEND_NORMAL);
}

void Canvas::drawTriangle(const math::Vector3 &p0, const math::Vector3 &p1, const math::Vector3 &p2,
                          const math::Color &color) {
  flush();
  renderState().setCulling(false);
  setSolidState(color, true);
  setColor(color);
  applyMatrices();
  VertexRenderer &vr = vertexRenderer();
  vr.begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_LIST);
  vr.vertex(p0);
  vr.vertex(p1);
  vr.vertex(p2);
  vr.end();
}

void Canvas::drawSolidBox(const math::Box3D &box, const math::Color &color, bool normals,
                          bool depth) {
  flush();
  RenderState &state = renderState();
  state.setCulling(true);
  state.setCullMode(CULL_BACK);
  state.setShadeModel(SHADE_FLAT);
  setSolidState(color, depth);
  setColor(color);
  applyMatrices();
  const math::Vector3 &m = box.center, &e = box.extents;
  VertexRenderer &vr = vertexRenderer();
  for (const mesh::Face &face : mesh::boxFaces) {
    vr.begin(normals ? FORMAT_COLORS | FORMAT_NORMALS : FORMAT_COLORED, PRIMITIVE_TRIANGLE_STRIP);
    for (const mesh::FaceCorner &c : face.corners) {
      if (normals)
        vr.normal(face.nx, face.ny, face.nz);
      vr.vertex(m.x + c.x * e.x, m.y + c.y * e.y, m.z + c.z * e.z);
    }
    vr.end();
    // The colour goes back to white with each draw.
    setColor(color);
  }
}

void Canvas::drawBox3D(const math::Box3D &box, const math::Color &color, float width, bool depth) {
  const math::Vector3 lo = box.minimum(), hi = box.maximum();
  // The four corners of a face at z, round in order.
  auto corner = [&](int i, float z) {
    return math::Vector3(i == 1 || i == 2 ? hi.x : lo.x, i >= 2 ? hi.y : lo.y, z);
  };
  for (float z : {lo.z, hi.z})
    for (int i = 0; i < 4; ++i)
      drawLine3D(corner(i, z), corner((i + 1) % 4, z), color, width, depth, BLEND_NORMAL);
  for (int i = 0; i < 4; ++i)
    drawLine3D(corner(i, lo.z), corner(i, hi.z), color, width, depth, BLEND_NORMAL);
}

} // namespace video
