// How a gate is drawn: its posts as one strip keeping the post image's
// proportions at both ends, glowing from grey to red; its beam as red lines;
// and its energy wall standing on the beam, two layers scrolling apart.

#include "billboard/Billboard2D.h"
#include "engine/Engine.h"
#include "engine/GameTexture.h"
#include "engine/Gate.h"
#include "engine/Level.h"
#include "file/Database.h"
#include "math/Vector2.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "mesh/MeshPart.h"
#include "video/Canvas.h"
#include "video/Quad3D.h"
#include "video/RenderKeywords.h"

namespace {

// The strip is 1.5 wide; the wall stands 20 high at full strength.
constexpr float postHalfWidth = 0.75f;
constexpr float postWidth = 2.0f * postHalfWidth;
constexpr float wallHeight = 20.0f;
const math::Color grey(0.5f, 0.5f, 0.5f, 1.0f);
const math::Color red(1.0f, 0.0f, 0.0f, 1.0f);

// A prototype's texture rectangle: u along the beam, t across it.
struct TextureSpan {
  float u0 = 0.0f, u1 = 1.0f, t0 = 0.0f, t1 = 1.0f;
};

TextureSpan spanOf(const Billboard2D &board) {
  TextureSpan span;
  span.u0 = board.texCoords[0].x;
  span.t0 = board.texCoords[0].y;
  span.u1 = board.texCoords[2].x;
  span.t1 = board.texCoords[2].y;
  return span;
}

void setWallLayer(video::Quad3D &quad, float u, float v0, float v1) {
  quad.texCoord(0) = math::Vector2(u, v0);
  quad.texCoord(1) = math::Vector2(u, v1);
  quad.texCoord(2) = math::Vector2(u + 1.0f, v1);
  quad.texCoord(3) = math::Vector2(u + 1.0f, v0);
}

} // namespace

void Gate::rebuildMesh() {
  static const Symbol postName = SYM(L"gate"), innerName = SYM(L"gateInner");
  Billboard2D post(Database::current(), postName);
  Billboard2D inner(Database::current(), innerName);
  post.settle();
  inner.settle();
  const TextureSpan outer = spanOf(post), middle = spanOf(inner);

  math::Vector2 d(m_to.x - m_from.x, m_to.y - m_from.y);
  if (d.normalize() == 0.0f)
    d = math::Vector2(1.0f, 0.0f);
  const math::Vector2 n = math::Vector2(-d.y, d.x) * postHalfWidth;
  const float across = outer.t1 - outer.t0;
  const float before = across != 0.0f ? postWidth * (middle.u0 - outer.u0) / across : 0.0f;
  const float after = across != 0.0f ? postWidth * (outer.u1 - middle.u1) / across : 0.0f;
  const math::Vector2 from(m_from.x, m_from.y), to(m_to.x, m_to.y);
  const math::Vector2 centres[4] = {from - d * before, from, to, to + d * after};
  const float us[4] = {outer.u0, middle.u0, middle.u1, outer.u1};

  mesh::MeshDefinition &definition = *m_meshDefinition;
  for (uint32_t i = 0; i < 4; ++i) {
    definition.position2D(2 * i) = centres[i] + n;
    definition.position2D(2 * i + 1) = centres[i] - n;
    definition.texCoord(2 * i) = math::Vector2(us[i], outer.t0);
    definition.texCoord(2 * i + 1) = math::Vector2(us[i], outer.t1);
  }
  definition.setTexture(post.texture(), 0);
  definition.releaseBuffers();
  m_meshDirty = false;
}

void Gate::render(video::Canvas &canvas) {
  if (m_dead)
    return;
  if (m_meshDirty)
    rebuildMesh();
  const float g = glow();
  math::Color tint = red;
  tint -= grey;
  tint *= g;
  tint += grey;
  canvas.pushColor();
  canvas.multiplyColor(tint);
  canvas.setColor(math::Color::white);
  m_mesh->render(canvas);
  canvas.popColor();

  if (m_state == WARMING) {
    canvas.drawLine3D(m_from, m_from + (m_to - m_from) * (g * 0.5f), red, 1.0f, true,
                      video::BLEND_NORMAL);
    canvas.drawLine3D(m_to, m_to + (m_from - m_to) * (g * 0.5f), red, 1.0f, true,
                      video::BLEND_NORMAL);
  } else if (m_state == ON) {
    canvas.drawLine3D(m_from, m_to, red, 1.0f, true, video::BLEND_NORMAL);
  }
}

void Gate::renderBarrier(video::Canvas &canvas) {
  if (m_dead || (m_state != ON && m_state != COOLING))
    return;
  const float f = barrierStrength();
  video::Quad3D quad;
  quad.position(0) = math::Vector3(m_from.x, m_from.y, wallHeight * f);
  quad.position(1) = m_from;
  quad.position(2) = m_to;
  quad.position(3) = math::Vector3(m_to.x, m_to.y, wallHeight * f);
  for (int corner = 0; corner < 4; ++corner)
    quad.color(corner) = math::Color(1.0f, 1.0f, 1.0f, 0.75f * f);
  static const Symbol lit = SYM(L"gateBarrierLit"), plain = SYM(L"gateBarrier");
  video::RenderPass &pass = quad.renderPass();
  pass.texture = gameTexture(m_hitBall ? lit : plain);
  pass.lit = false;
  pass.cull = false;
  pass.depthWrite = false;
  const Engine *engine = m_owner->engine();
  const float s = 0.25f * (engine ? engine->stateTime() : 0.0f);
  setWallLayer(quad, s, 0.1f, 1.0f);
  quad.render(canvas);
  setWallLayer(quad, -s, 0.1f, 1.0f);
  quad.render(canvas);
}
