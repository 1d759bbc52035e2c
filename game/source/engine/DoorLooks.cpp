// How a door is drawn: its beam over the lit part in two textures, the
// second one glowing, and a cover at each end.

#include "billboard/Billboard2D.h"
#include "engine/Door.h"
#include "engine/GameTexture.h"
#include "engine/Level.h"
#include "file/Database.h"
#include "video/Canvas.h"
#include "video/Quad3D.h"

#include <cmath>

namespace {

// The beam's quad reaches this far across; its texture repeats every 6 units
// along.
constexpr float beamHalfWidth = 4.2f;
constexpr float beamRepeat = 6.0f;
constexpr float coverScale = 0.125f;

void drawQuad(video::Quad3D &quad, video::Canvas &canvas, Symbol texture,
              const math::Color &colour) {
  for (int corner = 0; corner < 4; ++corner)
    quad.color(corner) = colour;
  video::RenderPass &pass = quad.renderPass();
  pass.texture = gameTexture(texture);
  pass.lit = false;
  pass.cull = false;
  // Light drawn over the floor, never hiding what comes after.
  pass.depthWrite = false;
  quad.render(canvas);
}

void drawCover(video::Canvas &canvas, const math::Vector3 &at, float angle, bool mirrored) {
  static const Symbol cover = SYM(L"doorCover");
  Billboard2D board(Database::current(), cover);
  if (!board.texture())
    return;
  board.settle();
  board.initialScale = math::Vector2(coverScale, mirrored ? -coverScale : coverScale);
  canvas.pushMatrix();
  canvas.translate(at);
  canvas.rotate(angle, 0.0f, 0.0f, -1.0f);
  board.render(canvas);
  canvas.popMatrix();
}

} // namespace

void Door::renderBeam(video::Canvas &canvas) {
  if (m_dead)
    return;
  const float lit = litFraction() * m_length;
  video::Quad3D quad;
  quad.position(0) = math::Vector3(-beamHalfWidth, lit, 0.0f);
  quad.position(1) = math::Vector3(-beamHalfWidth, 0.0f, 0.0f);
  quad.position(2) = math::Vector3(beamHalfWidth, 0.0f, 0.0f);
  quad.position(3) = math::Vector3(beamHalfWidth, lit, 0.0f);
  // The texture keeps its side when the door runs towards negative x.
  const bool backwards = m_endB.x - m_endA.x < 0.0f;
  const float u0 = backwards ? 1.0f : 0.0f, u1 = backwards ? 0.0f : 1.0f;
  const float v = lit / beamRepeat;
  quad.texCoord(0) = math::Vector2(u0, 0.0f);
  quad.texCoord(1) = math::Vector2(u0, v);
  quad.texCoord(2) = math::Vector2(u1, v);
  quad.texCoord(3) = math::Vector2(u1, 0.0f);
  canvas.pushMatrix();
  canvas.translate(m_endA);
  canvas.rotate(m_angle, 0.0f, 0.0f, -1.0f);
  static const Symbol beam = SYM(L"doorBeam"), glow = SYM(L"doorBeamGlow");
  drawQuad(quad, canvas, beam, math::Color::white);
  const float alpha = 0.5f + 0.25f * std::sin(6.0f * m_owner->playTime());
  drawQuad(quad, canvas, glow, math::Color(1.0f, 1.0f, 1.0f, alpha));
  canvas.popMatrix();
}

void Door::renderCovers(video::Canvas &canvas) {
  if (m_dead)
    return;
  drawCover(canvas, m_endA, m_angle, false);
  drawCover(canvas, m_endB, m_angle, true);
}
