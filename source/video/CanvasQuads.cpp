// The canvas's entry points into its quad batch: free 3-D quads and
// billboards, their corners placed on the CPU.

#include "video/BillboardQuad.h"
#include "video/Canvas.h"
#include "video/Quad3D.h"
#include "video/QuadBatch.h"
#include "video/RenderPass.h"

namespace video {

namespace {

void addQuadIndices(QuadBatch &batch, uint16_t base, const uint8_t (&pattern)[6]) {
  for (uint8_t i : pattern)
    batch.addIndex(uint16_t(base + i));
}

const uint8_t quadPattern[6] = {0, 1, 3, 3, 1, 2};
const uint8_t billboardPattern[6] = {0, 1, 2, 2, 1, 3};

} // namespace

void Canvas::drawQuad3D(const Quad3D &quad) {
  bool opaque = true;
  for (int i = 0; i < 4; ++i)
    if (quad.color(i).a < 1.0f)
      opaque = false;
  QuadBatch &batch = *m_quadBatch;
  if (!batch.prepare(*this, 4, opaque, quad.renderPass()))
    return;
  const math::Matrix4 &model = m_stacks[MODEL].top();
  uint16_t base = batch.vertexCount();
  for (int i = 0; i < 4; ++i) {
    math::Color c = quad.color(i);
    c *= batch.batchColor();
    batch.addVertex(model.transformPoint(quad.position(i)), c, quad.texCoord(i));
  }
  addQuadIndices(batch, base, quadPattern);
}

namespace {

// The pass a billboard draws with, filled in place so that nothing is built
// per quad.
void billboardPass(const BillboardQuad &b, bool threeD, RenderPass &pass) {
  pass.texture = b.texture;
  pass.blend = b.blend;
  pass.blendBehavior = b.blendBehavior;
  pass.textureStyle = b.textureStyle;
  pass.color = b.color;
  pass.lit = false;
  pass.cull = false;
  pass.depthFunction = COMPARE_LESS_OR_EQUAL;
  pass.depthTest = threeD && b.depthTest;
  pass.depthWrite = threeD && b.depthWrite;
  pass.alphaTest = threeD && b.alphaTest;
  pass.alphaFunction = threeD ? b.alphaFunction : COMPARE_ALWAYS;
  pass.alphaReference = threeD ? b.alphaReference : 0.0f;
}

} // namespace

void Canvas::drawBillboard(const BillboardQuad &billboard) {
  RenderPass &pass = *m_billboardPass;
  billboardPass(billboard, false, pass);
  if (!m_quadBatch->prepare(*this, 4, true, pass))
    return;
  math::Vector3 position(billboard.position.x, billboard.position.y, 0.0f);
  placeBillboard(billboard, position, ALIGN_XY);
}

void Canvas::drawBillboard3D(const BillboardQuad &billboard) {
  RenderPass &pass = *m_billboardPass;
  billboardPass(billboard, true, pass);
  if (!m_quadBatch->prepare(*this, 4, true, pass))
    return;
  int alignment = billboard.alignment;
  if (alignment == ALIGN_FACE_CAMERA && !m_camera)
    alignment = ALIGN_XY;
  placeBillboard(billboard, billboard.position, alignment);
}

void Canvas::placeBillboard(const BillboardQuad &b, const math::Vector3 &position, int alignment) {
  QuadBatch &batch = *m_quadBatch;
  math::Matrix4 &m = m_scratch.top();
  m = m_stacks[MODEL].top();
  if (position.x != 0.0f || position.y != 0.0f || position.z != 0.0f)
    m_scratch.translate(position);
  if (alignment == ALIGN_FACE_CAMERA && m_cameraView.angle != 0.0f)
    m_scratch.rotate(m_cameraView.axis, m_cameraView.angle);
  if (alignment == ALIGN_XZ) {
    if (b.rotation != 0.0f)
      m_scratch.rotate(math::Vector3(0.0f, -1.0f, 0.0f), b.rotation);
    m_scratch.scale(b.scale.x, 1.0f, b.scale.y);
  } else {
    if (b.rotation != 0.0f)
      m_scratch.rotate(math::Vector3(0.0f, 0.0f, -1.0f), b.rotation);
    m_scratch.scale(b.scale.x, b.scale.y, 1.0f);
  }
  float left, right, top, bottom;
  if (b.centered) {
    right = b.size.x * 0.5f;
    top = b.size.y * 0.5f;
    left = -right;
    bottom = -top;
  } else {
    left = -b.origin.x;
    bottom = -b.origin.y;
    right = b.size.x - b.origin.x;
    top = b.size.y - b.origin.y;
  }
  auto corner = [&](float x, float y) {
    return alignment == ALIGN_XZ ? math::Vector3(x, 0.0f, -y) : math::Vector3(x, y, 0.0f);
  };
  const math::Color &c = batch.batchColor();
  uint16_t base = batch.vertexCount();
  batch.addVertex(m.transformPoint(corner(left, top)), c, b.texCoords[0]);
  batch.addVertex(m.transformPoint(corner(left, bottom)), c, b.texCoords[1]);
  batch.addVertex(m.transformPoint(corner(right, top)), c, b.texCoords[3]);
  batch.addVertex(m.transformPoint(corner(right, bottom)), c, b.texCoords[2]);
  addQuadIndices(batch, base, billboardPattern);
}

} // namespace video
