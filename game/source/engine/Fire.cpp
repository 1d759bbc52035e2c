#include "engine/Fire.h"

#include "engine/Ball.h"
#include "engine/BoardDrawing.h"
#include "engine/CylinderGeometry.h"
#include "engine/FireGeometry.h"
#include "engine/GameCategories.h"
#include "engine/HazardRule.h"
#include "engine/Level.h"
#include "engine/StateHeader.h"
#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "math/Scalar.h"
#include "texture/TextureManager.h"
#include "video/Canvas.h"

#include <cmath>

namespace {

constexpr float degreesToRadians = 3.14159265358979f / 180.0f;

// The vector turned by the degrees about (0, 0, -1): clockwise seen from
// above.
math::Vector3 turned(const math::Vector3 &v, float degrees) {
  const float c = std::cos(degrees * degreesToRadians), s = std::sin(degrees * degreesToRadians);
  return math::Vector3(v.x * c + v.y * s, v.y * c - v.x * s, v.z);
}

// The quad of one spoke is this wide each side of it.
constexpr float spokeHalfWidth = 4.0f;
// The hub's picture spans this many units.
constexpr float centreWidth = 4.0f;

} // namespace

Fire::Fire(Level &level)
    : GameObject(&level), m_hub(new CylinderGeometry(hubRadius)),
      m_spokeGeometry(new FireGeometry(*this)) {
  m_hub->category = CATEGORY_SOLID;
  m_spokeGeometry->category = CATEGORY_SOLID;
  m_spokeGeometry->addContactListener(this);
  level.simulation().addGeometry(m_hub);
  level.simulation().addGeometry(m_spokeGeometry);
  video::RenderPass &pass = m_spokeQuad.renderPass();
  pass.lit = false;
  pass.cull = false;
  buildSpokes(1);
  recomputeTips();
}

Fire::~Fire() {
  m_owner->simulation().removeGeometry(m_spokeGeometry);
  m_owner->simulation().removeGeometry(m_hub);
  delete m_spokeGeometry;
  delete m_hub;
}

math::Vector3 Fire::getPosition() const { return m_hub->transform.translation; }

float Fire::reach() const { return m_spokeLength + FireGeometry::spokeRadius; }

math::Box3D Fire::bounds() const {
  const float half = 2.0f + m_spokeLength;
  return math::Box3D(getPosition(), math::Vector3(half, half, 0.0f));
}

float Fire::runningAngle() const {
  return math::wrap(m_phase + m_speed * m_owner->playTime(), 360.0f);
}

float Fire::angleDifference(float a, float b) {
  float d = math::wrap(b, 360.0f) - math::wrap(a, 360.0f);
  if (d > 180.0f)
    d -= 360.0f;
  else if (d < -180.0f)
    d += 360.0f;
  return d;
}

void Fire::buildSpokes(uint32_t count) {
  if (count == 0)
    count = 1;
  m_spokes.clear();
  m_spokes.reserve(count);
  m_tips.reserve(count);
  for (uint32_t i = 0; i < count; ++i)
    m_spokes.push(
        turned(math::Vector3(0.0f, m_spokeLength, 0.0f), float(i) * 360.0f / float(count)));
}

void Fire::recomputeTips() {
  const math::Vector3 at = getPosition();
  m_tips.clear();
  for (const math::Vector3 &spoke : m_spokes)
    m_tips.push(at + turned(spoke, m_spokeAngle));
}

void Fire::setSpokes(const math::Vector3 &position, float speed, float length, float phase,
                     uint32_t count) {
  m_hub->transform.translation = position;
  m_speed = speed;
  m_spokeLength = length;
  m_phase = phase;
  m_lastAngle = m_spokeAngle = phase;
  buildSpokes(count);
  recomputeTips();
}

void Fire::setState(int32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  if (state == TURNING)
    m_spokeAngle = runningAngle();
}

void Fire::reset() {
  recomputeTips();
  setState(WAITING);
}

void Fire::update(float dt) {
  if (m_dead)
    return;
  m_stateTime += dt;
  const float running = runningAngle();
  // Waiting: the running turn has swept past the stopped spokes this frame.
  // Only a sweep in the turning direction counts: spokes the turn passed
  // just before the wait began would otherwise resume a frame late, with a
  // jump of up to two frames' turn.
  if (m_state == WAITING) {
    const float swept = angleDifference(m_lastAngle, running);
    const float toSpokes = angleDifference(m_lastAngle, m_spokeAngle);
    if (swept * toSpokes >= 0.0f && std::fabs(swept) > std::fabs(toSpokes))
      setState(TURNING);
  }
  if (m_state == TURNING)
    m_spokeAngle = running;
  if (m_state == STOPPED && m_stateTime > stopTime)
    setState(WAITING);
  recomputeTips();
  m_lastAngle = running;
}

void Fire::onContact(physics::WorldGeometry *, physics::Structure3D *structure, int) {
  Ball *ball = ballTouching(*m_owner, structure);
  if (ball && hurtBall(*ball) == HazardHit::SHIELD_LOST)
    setState(STOPPED);
}

void Fire::render(video::Canvas &canvas) {
  if (m_dead)
    return;
  video::RenderPass &pass = m_spokeQuad.renderPass();
  if (!pass.texture) {
    const Database *database = Database::current();
    if (TextureManager *textures = database ? TextureManager::of(*database) : nullptr)
      pass.texture = textures->getTexture(SYM(L"spikeSpoke"));
  }
  const float length = m_spokeLength;
  m_spokeQuad.position(0) = math::Vector3(-spokeHalfWidth, length, 0.0f);
  m_spokeQuad.position(1) = math::Vector3(-spokeHalfWidth, 0.0f, 0.0f);
  m_spokeQuad.position(2) = math::Vector3(spokeHalfWidth, 0.0f, 0.0f);
  m_spokeQuad.position(3) = math::Vector3(spokeHalfWidth, length, 0.0f);
  m_spokeQuad.texCoord(0) = math::Vector2(0.0f, 0.0f);
  m_spokeQuad.texCoord(1) = math::Vector2(0.0f, 0.125f * length);
  m_spokeQuad.texCoord(2) = math::Vector2(1.0f, 0.125f * length);
  m_spokeQuad.texCoord(3) = math::Vector2(1.0f, 0.0f);

  const uint32_t count = m_spokes.size();
  canvas.pushMatrix();
  canvas.translate(getPosition());
  canvas.rotate(m_spokeAngle, 0.0f, 0.0f, -1.0f);
  for (uint32_t i = 0; i < count; ++i) {
    canvas.pushMatrix();
    canvas.rotate(float(i) * 360.0f / float(count), 0.0f, 0.0f, -1.0f);
    m_spokeQuad.render(canvas);
    canvas.popMatrix();
  }
  canvas.popMatrix();

  BoardLook centre;
  centre.width = centreWidth;
  static const Symbol hub = SYM(L"spikeCenter");
  drawBoard(canvas, hub, getPosition(), centre);
}

void Fire::writeLevelRecord(file::ByteReceiver &out) const {
  const math::Vector3 at = getPosition();
  file::write(at.x, out);
  file::write(at.y, out);
  file::write(m_speed, out);
  file::write(m_spokeLength, out);
  file::write(m_phase, out);
  file::write(uint8_t(m_spokes.size()), out);
}

bool Fire::readLevelRecord(file::ByteProducer &in) {
  if (in.bytesRemaining() < levelRecordBytes)
    return false;
  float x, y, speed, length, phase;
  uint8_t count;
  file::read(x, in);
  file::read(y, in);
  file::read(speed, in);
  file::read(length, in);
  file::read(phase, in);
  file::read(count, in);
  if (in.overrun())
    return false;
  setSpokes(math::Vector3(x, y, 0.0f), speed, length, phase, count);
  return true;
}

void Fire::write(file::ByteReceiver &out) const {
  stateheader::write(m_state, m_stateTime, out);
  writeLevelRecord(out);
  file::write(m_lastAngle, out);
  file::write(m_spokeAngle, out);
}

bool Fire::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  uint8_t state;
  float stateTime, lastAngle, spokeAngle;
  file::read(state, in);
  file::read(stateTime, in);
  if (!readLevelRecord(in))
    return false;
  file::read(lastAngle, in);
  file::read(spokeAngle, in);
  if (in.overrun())
    return false;
  // A state no fire has is taken as the constructed one.
  m_state = state <= TURNING ? int32_t(state) : int32_t(UNSET);
  m_stateTime = stateTime;
  m_lastAngle = lastAngle;
  m_spokeAngle = spokeAngle;
  recomputeTips();
  return true;
}
