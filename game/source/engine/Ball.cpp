#include "engine/Ball.h"
#include "engine/Door.h"

#include "engine/Block.h"
#include "engine/Engine.h"
#include "engine/GameCategories.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "engine/Tuning.h"
#include "math/Vector2.h"
#include "particle/ParticleSystem.h"
#include "particle/ParticleSystemDefinition.h"
#include "particle/ParticleSystemFactory.h"
#include "physics/BounceEvent.h"

#include <cmath>

namespace {

// No state uses it: construction counts as a change of state.
constexpr unsigned unusedState = 0xFFFFFFFFu;
// A bounce slower than this (per step, into the surface) shows nothing.
constexpr float impactThreshold = 0.25f;
// What a round block gives the ball, per step.
constexpr float roundKick = 0.75f;
// Bomb effects drop every 1.5 blocks of travel.
constexpr float bombSpacing = 4.5f;

// A system of the current database's definition, not emitting; null without
// a database.
ParticleSystem *quietSystem(Symbol name) {
  ParticleSystemFactory *factory = ParticleSystemFactory::current();
  if (!factory)
    return nullptr;
  ParticleSystem *system = factory->definition(name)->instantiate();
  system->setEmitting(false);
  return system;
}

void setEmitting(ParticleSystem *system, bool on) {
  if (system)
    system->setEmitting(on);
}

} // namespace

Ball::Ball(Level &level)
    : Atomic(1), GameObject(&level), m_state(unusedState), m_damping(tuning::controlDamping) {
  m_structure.axisMask = 7;
  m_structure.targetSpeed = 0.5f * tuning::speedRange;
  m_structure.speedRange = tuning::speedRange;
  m_structure.addBounceListener(this);
  m_structure.setOwner(this);
  level.simulation().addStructure(&m_structure);

  m_sparks.speed = 30.0f;
  m_sparks.acceleration = 30.0f;
  m_sparks.turnRate = 300.0f;
  m_sparks.turnAcceleration = 1200.0f;
  m_sparks.minimumFlight = 0.25f;
  m_sparks.steerDelay = 0.05f;
  m_sparks.addListener(this);

  m_smoke.emitting = false;
  video::RibbonRenderPass &pass = m_trail.pass();
  pass.lit = false;
  pass.cull = false;
  pass.depthTest = false;
  pass.depthWrite = false;

  m_iceCharge = quietSystem(SYM(L"iceCharge"));
  m_heatEffect = quietSystem(SYM(L"ballHeat"));
  setState(WAITING);
}

Ball::~Ball() {
  m_owner->simulation().removeStructure(&m_structure);
  for (ParticleSystem *effect : m_chargeEffects)
    delete effect;
  delete m_iceCharge;
  delete m_heatEffect;
}

bool Ball::enginePlaying() const {
  const Engine *engine = m_owner->engine();
  return engine && engine->state() == Engine::PLAYING;
}

math::Color Ball::chargeColour() const { return colorValue(m_owner->bonusColor()); }

void Ball::spawnAtBall(Symbol effect, float scale, const math::Color &colour, Symbol list) {
  m_owner->spawnEffect(effect, atomPosition(), scale, colour, list);
}

bool Ball::hasShield() const { return m_power != NO_POWER || m_owner->hasBonusCharge(); }

void Ball::setState(unsigned s) {
  if (s == m_state)
    return;
  m_state = s;
  m_stateTime = 0.0f;
  enterState();
  updateCollisionMasks();
}

void Ball::enterState() {
  switch (m_state) {
  case WAITING:
    m_trail.clear();
    m_lastPosition = atomPosition();
    m_power = NO_POWER;
    atom().pinned = 0;
    atom().setVelocity(math::Vector3());
    break;
  case APPEARING:
    spawnAtBall(SYM(L"ballAppear"), 0.0625f, math::Color::white, Level::objectEffects());
    queueGameSound(SYM(L"ballAppear"));
    break;
  case TARRED:
    m_owner->resetBonusCharge();
    break;
  case DYING:
    m_power = NO_POWER;
    setEmitting(m_iceCharge, false);
    atom().pinned = 1;
    spawnAtBall(SYM(L"ballDie"), 0.125f, math::Color::white, Level::objectEffects());
    queueGameSound(SYM(L"ballDie"));
    break;
  case COMPLETE:
    m_power = NO_POWER;
    atom().pinned = 1;
    break;
  default:
    break;
  }
}

void Ball::updateCollisionMasks() {
  if (m_state == TELEPORTING) {
    m_structure.senseMask = 0;
    m_structure.slideMask = 0;
    m_structure.bounceMask = 0;
    return;
  }
  m_structure.senseMask = CATEGORY_GAME;
  if (m_power == FIRE) {
    // Through breakable blocks, which still feel the contact.
    m_structure.slideMask = CATEGORY_SOLID | CATEGORY_FLOOR | CATEGORY_WALL;
    m_structure.bounceMask = CATEGORY_SOLID;
  } else {
    m_structure.slideMask = CATEGORY_BREAKABLE | CATEGORY_SOLID | CATEGORY_FLOOR | CATEGORY_WALL;
    m_structure.bounceMask = CATEGORY_BREAKABLE | CATEGORY_SOLID;
  }
}

void Ball::updateControl() {
  if (!enginePlaying() || m_state == WAITING || m_state == APPEARING || m_state == TARRED ||
      m_state == DYING) {
    m_damping = 0.0f;
    m_accelerationFactor = 0.0f;
  } else {
    // Half a second of free flight after a bounce, then control returns over
    // the next half second.
    const float start = 0.5f * tuning::controlTime;
    float ramp = 1.0f;
    if (m_controlTime < start)
      ramp = 0.0f;
    else if (m_controlTime < tuning::controlTime)
      ramp = (m_controlTime - start) / (tuning::controlTime - start);
    m_damping = 1.0f + ramp * (tuning::controlDamping - 1.0f);
    m_accelerationFactor = 1.0f + ramp * (tuning::controlAcceleration - 1.0f);
  }
  atom().damping = m_damping;
  atom().accelerationFactor = m_accelerationFactor;
}

void Ball::update(float dt) {
  m_stateTime += dt;
  m_controlTime += dt;
  updateBlink(dt);
  updateControl();
  if (m_state == PLAYING && m_power != NO_POWER) {
    m_powerTime -= dt;
    if (m_powerTime <= 0.0f) {
      m_powerTime = 0.0f;
      clearPower();
      queueGameSound(SYM(L"powerDown"));
    }
  }
  updateRoll();
  if (m_power == BOMB)
    dropBombs();
  updateEffects(dt);
  if (m_heatTime > 0.0f) {
    m_heatTime -= dt;
    if (m_heatTime <= 0.0f) {
      setEmitting(m_heatEffect, false);
      m_smoke.emitting = false;
    }
  }
  if (m_power != BOMB && m_power != ICE)
    addTrailPoint();
  m_trail.update(dt);
  m_sparks.position = atomPosition();
  m_sparks.update(dt);
}

void Ball::updateBlink(float dt) {
  if (m_invulnerableTime <= 0.0f)
    return;
  m_invulnerableTime -= dt;
  m_blinkTimer -= dt;
  if (m_blinkTimer <= 0.0f) {
    m_visible = !m_visible;
    m_blinkTimer = 0.1f;
  }
}

void Ball::updateRoll() {
  const math::Vector3 position = atomPosition();
  math::Vector2 d(position.x - m_lastPosition.x, position.y - m_lastPosition.y);
  const float travelled = d.length();
  m_rollAngle += travelled / (2.0f * float(M_PI) * atom().radius) * 360.0f;
  while (m_rollAngle > 360.0f)
    m_rollAngle -= 360.0f;
  while (m_rollAngle < 0.0f)
    m_rollAngle += 360.0f;
  // A ball that has not moved keeps the direction of its last movement.
  if (travelled > 0.0f) {
    d.normalize();
    m_heading = math::Vector2(0.0f, 1.0f).angleToUnit(d);
  }
  m_lastPosition = position;
}

void Ball::dropBombs() {
  const math::Vector3 position = atomPosition();
  for (;;) {
    math::Vector3 d(position.x - m_bombAnchor.x, position.y - m_bombAnchor.y, 0.0f);
    const float distance = d.length();
    if (!(distance > bombSpacing))
      break;
    m_bombAnchor += d * (bombSpacing / distance);
    m_owner->spawnEffect(SYM(L"bombDropping"), m_bombAnchor, 1.0f / 15.0f, chargeColour(),
                         Level::groundEffects());
  }
}

void Ball::updateEffects(float dt) {
  if (m_power == LIGHTNING)
    for (LightningOrbiter &orbiter : m_orbiters)
      orbiter.update(dt);
  if (m_power == ICE) {
    m_crystalTimer -= dt;
    if (m_crystalTimer <= 0.0f) {
      m_crystalTimer += 0.1f;
      math::Color colour = math::Color::white;
      if (m_owner->hasBonusCharge()) {
        colour = chargeColour();
        colour += math::Color(0.25f, 0.25f, 0.25f, 0.0f);
        colour.clamp();
      }
      spawnAtBall(SYM(L"crystalSparks"), 0.1f, colour, Level::blockEffects());
    }
  }
  if (m_iceCharge)
    m_iceCharge->update(dt);
  if (m_heatEffect)
    m_heatEffect->update(dt);
  m_smoke.position = atomPosition();
  m_smoke.update(dt, m_owner->spriteSize());
  uint32_t i = 0;
  while (i < m_chargeEffects.size()) {
    ParticleSystem *effect = m_chargeEffects[i];
    effect->update(dt);
    if (effect->isFinished())
      delete m_chargeEffects.removeAt(i);
    else
      ++i;
  }
}

void Ball::addTrailPoint() {
  math::Vector3 point = atomPosition();
  if (m_power == LIGHTNING) {
    math::Vector2 jitter;
    jitter.setRandomDirection();
    point.x += jitter.x * 0.2f * tuning::ballRadius;
    point.y += jitter.y * 0.2f * tuning::ballRadius;
  }
  m_trail.addPoint(point);
}

void Ball::shakeOffTar() {
  setState(PLAYING);
  queueGameSound(SYM(L"shakeOffTar"));
}

void Ball::teleportBegin() {
  setState(TELEPORTING);
  queueGameSound(SYM(L"teleportBegin"));
}

void Ball::teleportEnd() {
  setState(PLAYING);
  m_regionIndex = int(m_owner->floorAreaAt(atomPosition()));
  m_controlTime = 0.0f;
  queueGameSound(SYM(L"teleportEnd"));
}

void Ball::heat() {
  m_heatTime = 0.1f;
  setEmitting(m_heatEffect, true);
  m_smoke.emitting = true;
}

void Ball::onBounce(const physics::BounceEvent &event) {
  if (!enginePlaying())
    return;
  const float impact = -event.incomingVelocity.dot(event.normal);
  if (impact >= impactThreshold && event.geometry &&
      dynamic_cast<const Door *>(event.geometry->getOwner()))
    queueGameSound(SYM(L"clink"));
  const Block *block = m_owner->blockFromGeometry(event.geometry);
  if (block && block->kind() == Block::ROUND) {
    const math::Vector3 centre = block->centre();
    const math::Vector3 position = atomPosition();
    math::Vector3 d(position.x - centre.x, position.y - centre.y, 0.0f);
    if (d.normalize() == 0.0f) {
      math::Vector2 direction;
      direction.setRandomDirection();
      d = math::Vector3(direction.x, direction.y, 0.0f);
    }
    atom().setVelocity(d * roundKick);
    queueGameSound(SYM(L"roundBlock"));
  } else if (impact < impactThreshold) {
    return;
  }
  spawnAtBall(SYM(L"bounce"), 0.0625f, chargeColour(), Level::groundEffects());
  m_controlTime = 0.0f;
}
