#include "engine/Lava.h"

#include "engine/Ball.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "math/Random.h"
#include "math/Scalar.h"
#include "mesh/IndexList.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "mesh/MeshPart.h"

#include <cmath>

math::Vector2 Lava::s_drift;
math::Vector2 Lava::s_driftVelocity;

Lava::Lava(Level &level) : GameObject(&level) {
  m_meshDefinition = new mesh::MeshDefinition(SYM(L"lava"), mesh::MESH_PLAIN, true, true);
  m_meshDefinition->addPart(new mesh::MeshPart(0));
  m_mesh = new mesh::Mesh(m_meshDefinition);
  m_mesh->cull = false;
  m_mesh->depthTest = false;
  m_mesh->depthWrite = false;
  m_bubblePass.lit = false;
  m_bubblePass.blend = video::BLEND_ADDITIVE;
}

Lava::~Lava() {
  delete m_mesh;
  delete m_meshDefinition;
}

math::Vector3 Lava::getPosition() const {
  return math::Vector3(m_bounds.x + 0.5f * m_bounds.width, m_bounds.y + 0.5f * m_bounds.height,
                       0.0f);
}

void Lava::setOutline(const math::Points2D &outline, const container::Vector<uint16_t> &triangles) {
  m_outline = outline;
  m_triangles = triangles;
  m_meshDirty = true;
}

void Lava::setBounds(const math::Rectangle &bounds) {
  m_bounds = bounds;
  reserveBubbles();
}

void Lava::recomputeBounds() {
  m_bounds = math::Rectangle();
  if (!m_outline.isEmpty()) {
    m_bounds.set(m_outline[0].x, m_outline[0].y, 0.0f, 0.0f);
    for (uint32_t i = 1; i < m_outline.size(); ++i)
      m_bounds.include(m_outline[i]);
  }
  reserveBubbles();
}

void Lava::reserveBubbles() {
  const uint32_t n = allowedBubbles();
  m_bubblePositions.reserve(n);
  m_bubbleSizes.reserve(n);
  m_bubbleMaxSizes.reserve(n);
  m_bubbleAges.reserve(n);
  m_bubbleLifetimes.reserve(n);
  m_bubbleColours.reserve(n);
}

void Lava::update(float dt) {
  Ball &ball = m_owner->ball();
  const math::Vector3 at = ball.atomPosition();
  const math::Vector2 p(at.x, at.y);
  // An outline of fewer than three points encloses nothing.
  if (hasArea()) {
    if (math::isNearPolygon(m_outline, p, heatDistance))
      ball.heat();
    if (ball.isPlaying() && math::polygonContains(m_outline, p)) {
      ball.die();
      m_owner->spawnEffect(SYM(L"heatExplosion"), at, 0.1f, math::Color::white,
                           Level::objectEffects());
      queueGameSound(SYM(L"ballDieLava"));
    }
  }
  updateBubbles(dt);
}

uint32_t Lava::allowedBubbles() const {
  if (!hasArea())
    return 0;
  const int allowed = math::round(m_bounds.width * m_bounds.height * 0.1f);
  return allowed > 0 ? uint32_t(allowed) : 0u;
}

void Lava::updateBubbles(float dt) {
  if (m_bubblePositions.size() < allowedBubbles()) {
    m_bubbleTimer -= dt;
    if (m_bubbleTimer <= 0.0f) {
      addBubble();
      m_bubbleTimer = Random::globalFloat(0.1f, 1.0f);
    }
  }
  const float sprite = m_owner->spriteSize();
  uint32_t i = 0;
  while (i < m_bubblePositions.size()) {
    const float age = m_bubbleAges[i] += dt;
    const float life = m_bubbleLifetimes[i];
    if (age > life) {
      m_bubblePositions.removeAt(i);
      m_bubbleSizes.removeAt(i);
      m_bubbleMaxSizes.removeAt(i);
      m_bubbleAges.removeAt(i);
      m_bubbleLifetimes.removeAt(i);
      m_bubbleColours.removeAt(i);
      continue;
    }
    float s = 1.0f, a = 1.0f;
    if (age < 0.5f * life) {
      s = 1.1f * std::sin(age / (0.5f * life) * float(M_PI) / 2.0f);
    } else if (age < 0.9f * life) {
      const float t = (age - 0.5f * life) / (0.4f * life);
      s = 1.1f - 0.1f * (std::cos(t * float(M_PI) + float(M_PI)) + 1.0f) / 2.0f;
    } else if (age < life) {
      const float t = (age - 0.9f * life) / (0.1f * life);
      s = 1.0f + 0.8f * (std::cos(t * float(M_PI) + float(M_PI)) + 1.0f) / 2.0f;
      a = 1.0f - t;
    }
    m_bubbleSizes[i] = s * sprite * m_bubbleMaxSizes[i];
    m_bubbleColours[i] = math::PackedColor(math::Color(1.0f, 1.0f, 1.0f, a));
    ++i;
  }
}

void Lava::addBubble() {
  m_bubblePositions.push(randomPoint());
  m_bubbleSizes.push(0.0f);
  m_bubbleMaxSizes.push(Random::globalFloat(0.3f, 0.6f));
  m_bubbleAges.push(0.0f);
  m_bubbleLifetimes.push(Random::globalFloat(0.5f, 1.5f));
  m_bubbleColours.push(math::PackedColor(255, 255, 255, 255));
}

math::Vector2 Lava::randomPoint() const {
  const math::Vector2 p(m_bounds.x + Random::globalFloat(0.0f, 1.0f) * m_bounds.width,
                        m_bounds.y + Random::globalFloat(0.0f, 1.0f) * m_bounds.height);
  // An empty outline has no nearest point to step from.
  if (m_outline.isEmpty() || math::polygonContains(m_outline, p))
    return p;
  const math::Vector2 q = math::closestPointOnPolygon(m_outline, p);
  math::Vector2 step = q - m_outline[0];
  step.normalize();
  const math::Vector2 r = q + step * Random::globalFloat(3.0f, 9.0f);
  if (math::polygonContains(m_outline, r))
    return r;
  return math::closestPointOnPolygon(m_outline, r);
}

void Lava::updateDrift(const math::Vector3 &acceleration, float dt) {
  s_driftVelocity += math::Vector2(acceleration.x, acceleration.y) * (dt * 4.0f);
  s_driftVelocity *= std::pow(0.03f, dt);
  if (s_driftVelocity.lengthSquared() > maxDriftSpeed * maxDriftSpeed) {
    s_driftVelocity.normalize();
    s_driftVelocity *= maxDriftSpeed;
  }
  s_drift += s_driftVelocity * dt;
  s_drift.x = std::fmod(s_drift.x, 1.0f);
  s_drift.y = std::fmod(s_drift.y, 1.0f);
}

void Lava::resetDrift() {
  s_drift = math::Vector2();
  s_driftVelocity = math::Vector2();
}
