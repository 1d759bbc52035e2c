// Shapes: strips and fans of coloured, textured 2-D vertices.

#include "shape/Shape.h"
#include "video/Canvas.h"
#include "video/RenderState.h"
#include "video/VertexRenderer.h"

namespace video {

namespace {

const math::Color white(1.0f, 1.0f, 1.0f, 1.0f);

// Strips and fans of three indices or more, naming vertices the shape has.
bool drawableList(const mesh::IndexList &list, uint32_t vertexCount) {
  if (list.count() <= 2)
    return false;
  for (uint32_t i = 0; i < list.count(); ++i)
    if (list[i] >= vertexCount)
      return false;
  return true;
}

void drawLists(Canvas &canvas, const shape::Shape &shape,
               const container::Vector<mesh::IndexList *> &lists, int primitive) {
  VertexRenderer &vr = canvas.vertexRenderer();
  for (const mesh::IndexList *list : lists) {
    if (!drawableList(*list, shape.vertexCount()))
      continue;
    vr.begin(FORMAT_COLORED, primitive);
    for (uint32_t i = 0; i < list->count(); ++i) {
      uint32_t v = (*list)[i];
      canvas.setColor(shape.vertexColor(v));
      vr.texCoord(shape.uv(v));
      vr.vertex(shape.vertexPosition(v));
    }
    vr.end();
  }
}

} // namespace

void Canvas::drawShape(const shape::Shape &shape) {
  flush();
  RenderState &state = renderState();
  state.setLighting(false);
  state.setCulling(false);
  state.setDepthWrite(effectiveDepthWrite(false));
  state.setDepthTest(effectiveDepthTest(false));
  state.setShadeModel(SHADE_SMOOTH);
  state.setBlending(true);
  state.setTextureStyle(effectiveTextureStyle(shape.textureStyle, 0), 0);
  state.setBlendMode(effectiveBlendMode(shape.blend));
  pushColor();
  multiplyColor(shape.color);
  setColor(white);
  state.setTexture(shape.texture, 0);
  pushMatrix();
  translate(shape.position);
  rotate(shape.rotation, 0.0f, 0.0f, -1.0f);
  scale(shape.scale);
  applyMatrices();
  drawLists(*this, shape, shape.strips(), PRIMITIVE_TRIANGLE_STRIP);
  // Fans as fans: a fan of more than three indices drawn as a strip would
  // join the wrong corners.
  drawLists(*this, shape, shape.fans(), PRIMITIVE_TRIANGLE_FAN);
  popColor();
  popMatrix();
  state.setTextureStyle(effectiveTextureStyle(textureStyle::NORMAL, 0), 0);
}

} // namespace video
