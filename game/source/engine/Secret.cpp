#include "engine/Secret.h"

#include "engine/Ball.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "engine/StateHeader.h"
#include "file/BinaryPrimitives.h"
#include "math/Color.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "mesh/MeshPart.h"

Secret::Secret(Level &level) : GameObject(&level) {
  m_meshDefinition = new mesh::MeshDefinition(SYM(L"secret"), mesh::MESH_PLAIN, true, true);
  m_meshDefinition->addPart(new mesh::MeshPart(0));
  m_mesh = new mesh::Mesh(m_meshDefinition);
  m_mesh->cull = false;
  m_mesh->depthTest = false;
  m_mesh->depthWrite = false;
  for (math::Points2D &border : m_borders) {
    border.push(math::Vector2());
    border.push(math::Vector2());
  }
  m_borderPass.cull = false;
  m_borderPass.depthTest = false;
  m_borderPass.depthWrite = false;
  m_borderPass.lineWidthStart = m_borderPass.lineWidthEnd = 0.5f;
  rebuildOutline();
  setState(HIDDEN);
}

Secret::~Secret() {
  delete m_mesh;
  delete m_meshDefinition;
}

math::Vector3 Secret::getPosition() const { return Level::cellCorner(m_corners[0]); }

void Secret::setCorners(const math::Vector2i &c0, const math::Vector2i &c1,
                        const math::Vector2i &c2, const math::Vector2i &c3) {
  m_corners[0] = c0;
  m_corners[1] = c1;
  m_corners[2] = c2;
  m_corners[3] = c3;
  rebuildOutline();
  m_meshDirty = true;
}

void Secret::rebuildOutline() {
  m_outline.clear();
  for (uint32_t i : {0u, 2u, 3u, 1u}) {
    const math::Vector3 p = Level::cellCorner(m_corners[i]);
    m_outline.push(math::Vector2(p.x, p.y));
  }
  // The borders run along the long sides, vertex 1 to 3 and 0 to 2.
  m_borders[0][0] = coverVertex(1);
  m_borders[0][1] = coverVertex(3);
  m_borders[1][0] = coverVertex(0);
  m_borders[1][1] = coverVertex(2);
}

math::Vector2 Secret::coverVertex(uint32_t i) const {
  const math::Vector3 w = Level::cellCorner(m_corners[i]);
  // Vertices 0 and 2 lie on the side c0-c2, 1 and 3 on c1-c3.
  const uint32_t from = i % 2, to = from + 2;
  math::Vector3 d = Level::cellCorner(m_corners[to]) - Level::cellCorner(m_corners[from]);
  d.normalize();
  const math::Vector3 v = i < 2 ? w - d : w + d;
  return math::Vector2(v.x, v.y);
}

math::Box3D Secret::bounds() const {
  math::Vector3 low(m_outline[0].x, m_outline[0].y, 0.0f), high = low;
  for (const math::Vector2 &p : m_outline) {
    low.x = p.x < low.x ? p.x : low.x;
    low.y = p.y < low.y ? p.y : low.y;
    high.x = p.x > high.x ? p.x : high.x;
    high.y = p.y > high.y ? p.y : high.y;
  }
  // The cover reaches 1.0 past the corners.
  const math::Vector3 margin(1.0f, 1.0f, 0.0f);
  return math::Box3D::fromCorners(low - margin, high + margin);
}

bool Secret::isNear(const math::Vector2 &point) const {
  return math::isNearPolygon(m_outline, point, revealDistance);
}

void Secret::setState(uint32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  if (state == REVEALED && !m_found) {
    playReveal();
    m_found = true;
  }
}

void Secret::playReveal() {
  queueGameSound(SYM(L"secret"));
  static const Symbol sparks = SYM(L"crystalSparks");
  for (uint32_t from : {0u, 1u}) {
    const math::Vector2 a = coverVertex(from), b = coverVertex(from + 2);
    for (uint32_t i = 0; i < sparksPerEdge; ++i) {
      const math::Vector2 p = a + (b - a) * (float(i) / float(sparksPerEdge - 1));
      m_owner->spawnEffect(sparks, math::Vector3(p.x, p.y, 0.0f), 0.1f, math::Color::white,
                           Level::objectEffects());
    }
  }
}

void Secret::update(float dt) {
  m_stateTime += dt;
  if (m_state == HIDDEN) {
    m_opacity = m_opacity + 2.0f * dt < 1.0f ? m_opacity + 2.0f * dt : 1.0f;
    const math::Vector3 ball = m_owner->ball().atomPosition();
    if (isNear(math::Vector2(ball.x, ball.y)))
      setState(REVEALED);
  } else if (m_state == REVEALED) {
    m_opacity = m_opacity - 2.0f * dt > revealedOpacity ? m_opacity - 2.0f * dt : revealedOpacity;
  }
}

void Secret::write(file::ByteReceiver &out) const {
  stateheader::write(m_state, m_stateTime, out);
  file::write(uint8_t(m_found ? 1 : 0), out);
  for (const math::Vector2i &c : m_corners) {
    file::write(c.x, out);
    file::write(c.y, out);
  }
}

bool Secret::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  uint8_t state, found;
  float stateTime;
  math::Vector2i corners[4];
  file::read(state, in);
  file::read(stateTime, in);
  file::read(found, in);
  for (math::Vector2i &c : corners) {
    file::read(c.x, in);
    file::read(c.y, in);
  }
  if (in.overrun())
    return false;
  // A state no secret has rests hidden rather than in no state at all.
  m_state = state <= REVEALED ? uint32_t(state) : uint32_t(HIDDEN);
  m_stateTime = stateTime;
  m_found = found != 0;
  for (uint32_t i = 0; i < 4; ++i)
    m_corners[i] = corners[i];
  rebuildOutline();
  m_meshDirty = true;
  return true;
}
