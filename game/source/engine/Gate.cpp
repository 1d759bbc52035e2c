#include "engine/Gate.h"

#include "engine/Ball.h"
#include "engine/GameSound.h"
#include "engine/HazardRule.h"
#include "engine/Level.h"
#include "engine/StateHeader.h"
#include "file/BinaryPrimitives.h"
#include "math/Capsule.h"
#include "math/Random.h"
#include "math/Segment.h"
#include "mesh/IndexList.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "mesh/MeshPart.h"
#include "video/VertexRenderer.h"

#include <cmath>

namespace {

// The strip of the posts: four pairs of 2-D vertices.
constexpr uint32_t postVertices = 8;

bool isDuration(float seconds) { return std::isfinite(seconds) && seconds >= 0.0f; }

} // namespace

Gate::Gate(Level &level) : GameObject(&level) {
  m_meshDefinition = new mesh::MeshDefinition(SYM(L"gate"), mesh::MESH_PLAIN, true, true);
  m_meshDefinition->addPart(new mesh::MeshPart(0));
  m_meshDefinition->allocate(postVertices);
  auto *strip = new mesh::IndexList(video::PRIMITIVE_TRIANGLE_STRIP);
  strip->resize(postVertices);
  for (uint32_t i = 0; i < postVertices; ++i)
    (*strip)[i] = uint16_t(i);
  m_meshDefinition->part(0).addIndexList(strip);
  m_mesh = new mesh::Mesh(m_meshDefinition);
  m_mesh->cull = false;
  setState(OFF);
}

Gate::~Gate() {
  delete m_mesh;
  delete m_meshDefinition;
}

void Gate::setState(uint32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  if (state == OFF)
    m_hitBall = false;
}

void Gate::startAtPhase() {
  m_state = OFF;
  m_stateTime = 0.0f;
  m_hitBall = false;
  if (!(m_phase > 0.0f))
    return;
  float cycle = 0.0f;
  for (float seconds : m_durations)
    cycle += seconds;
  // Whole cycles change nothing; a cycle of no length stands off.
  if (!(cycle > 0.0f))
    return;
  float remaining = m_phase;
  if (remaining >= cycle)
    remaining = std::fmod(remaining, cycle);
  uint32_t state = OFF;
  while (remaining >= m_durations[state]) {
    remaining -= m_durations[state];
    state = (state + 1) % stateCount;
  }
  m_state = state;
  m_stateTime = remaining;
}

void Gate::update(float dt) {
  if (m_dead)
    return;
  m_stateTime += dt;
  if (m_stateTime > m_durations[m_state % stateCount])
    setState((m_state + 1) % stateCount);
  if (m_state != ON)
    return;
  Ball &ball = m_owner->ball();
  if (!ball.isPlaying() || !beamHitsBall())
    return;
  if (!enginePlaying(*m_owner) || hurtBall(ball) == HazardHit::NONE)
    return;
  queueGameSound(SYM(L"laser"), Random::globalFloat(0.5f, 1.0f));
  m_hitBall = true;
}

bool Gate::beamHitsBall() const {
  const physics::Atom &atom = m_owner->ball().atom();
  const math::Capsule swept(atom.previousPosition, atom.position, atom.radius);
  return swept.intersects(math::Segment3D(m_from, m_to));
}

float Gate::glow() const {
  const auto ease = [](float x) { return (1.0f - std::cos(3.14159265f * x)) * 0.5f; };
  switch (m_state) {
  case WARMING:
    return m_stateTime < m_durations[WARMING] ? ease(m_stateTime / m_durations[WARMING]) : 1.0f;
  case ON:
    return 1.0f;
  case COOLING:
    return m_stateTime < m_durations[COOLING] ? 1.0f - ease(m_stateTime / m_durations[COOLING])
                                              : 0.0f;
  default:
    return 0.0f;
  }
}

float Gate::barrierStrength() const {
  if (m_state == ON)
    return 1.0f;
  if (m_state != COOLING)
    return 0.0f;
  const float x = m_durations[COOLING] > 0.0f ? m_stateTime / m_durations[COOLING] : 1.0f;
  return 1.0f - (1.0f - std::cos(3.14159265f * (x < 1.0f ? x : 1.0f))) * 0.5f;
}

math::Box3D Gate::bounds() const {
  constexpr float margin = 2.0f;
  math::Box3D box = math::Box3D::fromCorners(m_from, m_to);
  box.extents += math::Vector3(margin, margin, 0.0f);
  box.center.z = 0.0f;
  box.extents.z = 0.0f;
  return box;
}

void Gate::setEnds(const math::Vector3 &from, const math::Vector3 &to) {
  m_from = math::Vector3(from.x, from.y, 0.0f);
  m_to = math::Vector3(to.x, to.y, 0.0f);
  m_meshDirty = true;
}

void Gate::writeLevelRecord(file::ByteReceiver &out) const {
  file::write(m_from.x, out);
  file::write(m_from.y, out);
  file::write(m_to.x, out);
  file::write(m_to.y, out);
  file::write(m_phase, out);
  for (float seconds : m_durations)
    file::write(seconds, out);
}

bool Gate::readShared(file::ByteProducer &in) {
  float values[9];
  for (float &value : values)
    file::read(value, in);
  if (in.overrun())
    return false;
  // A negative or endless duration would stall the cycle or its phase.
  for (uint32_t i = 0; i < stateCount; ++i)
    if (!isDuration(values[5 + i]))
      return false;
  if (!std::isfinite(values[4]))
    return false;
  setEnds(math::Vector3(values[0], values[1], 0.0f), math::Vector3(values[2], values[3], 0.0f));
  m_phase = values[4];
  for (uint32_t i = 0; i < stateCount; ++i)
    m_durations[i] = values[5 + i];
  return true;
}

bool Gate::readLevelRecord(file::ByteProducer &in) {
  if (in.bytesRemaining() < levelRecordBytes || !readShared(in))
    return false;
  startAtPhase();
  return true;
}

void Gate::write(file::ByteReceiver &out) const {
  stateheader::write(m_state, m_stateTime, out);
  writeLevelRecord(out);
}

bool Gate::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  uint8_t state;
  float stateTime;
  if (!stateheader::read(in, state, stateTime) || !readShared(in))
    return false;
  m_state = state < stateCount ? uint32_t(state) : uint32_t(OFF);
  m_stateTime = stateTime;
  m_hitBall = false;
  return true;
}
