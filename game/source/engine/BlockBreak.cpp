// How a block breaks, freezes, is charged, marked by neutrons and shaken.

#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/Chunk.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "math/Random.h"

#include <cmath>

namespace {

// A random direction with its z turned upward.
math::Vector3 upwardDirection() {
  math::Vector3 d;
  d.setRandomDirection();
  if (d.z < 0.0f)
    d.z = -d.z;
  return d;
}

// The note of a bonus break rises with the bonus count: 1 to 8 and above.
Symbol bonusNote(unsigned count) {
  static const Symbol notes[] = {SYM(L"blockHit"),  SYM(L"blockHit1"), SYM(L"blockHit2"),
                                 SYM(L"blockHit3"), SYM(L"blockHit4"), SYM(L"blockHit5"),
                                 SYM(L"blockHit6"), SYM(L"blockHit7")};
  constexpr unsigned last = sizeof(notes) / sizeof(notes[0]) - 1;
  // A count of 0 plays as 1.
  const unsigned index = count == 0 ? 0 : count - 1;
  return notes[index < last ? index : last];
}

} // namespace

void Block::smash(bool loud) {
  setDead();
  if (isNormalOrBonus()) {
    m_owner->addSplat(centre(), m_color);
    m_owner->blockBroken(*this);
    if (m_owner->bonusColor() < COLOR_COUNT && m_owner->bonusColor() == m_color) {
      m_owner->ball().sparkSystem().emit(1, centre());
      queueGameSound(bonusNote(m_owner->bonusCount()));
    } else if (loud) {
      throwChunk();
      queueGameSound(SYM(L"blockHit"));
    }
  } else if (m_kind == STONE) {
    spawnAtCentre(SYM(L"stoneChunks"), 0.1f, math::Color::white, Level::blockEffects());
    m_owner->blockScored(*this);
    queueGameSound(SYM(L"stoneClack"));
  }
}

void Block::blastFrom(unsigned group, const math::Vector3 &source) {
  m_group = group;
  smash(false);
  throwBlastChunk(source);
}

void Block::throwChunk() {
  const math::Vector3 d = upwardDirection();
  auto *chunk = new ChunkNormal(*m_owner);
  chunk->setPosition(centre() + d * 1.5f);
  chunk->atom().setVelocity(d * Random::globalFloat(0.1f, 0.5f));
  math::Color tint = colorValue(m_color);
  tint += math::Color(0.5f, 0.5f, 0.5f, 0.0f);
  tint.clamp();
  chunk->setTint(tint);
  m_owner->addChunkNormal(chunk);
}

void Block::throwBlastChunk(const math::Vector3 &from) {
  // A bonus block's piece shows the single block of its colour.
  auto *chunk = new ChunkExplosion(*m_owner, m_kind == BONUS ? unsigned(NORMAL) : m_kind, m_color);
  const math::Vector3 c = centre();
  math::Vector3 d(c.x - from.x, c.y - from.y, 0.0f);
  if (d.normalize() == 0.0f)
    d = upwardDirection();
  chunk->setPosition(c);
  chunk->atom().setVelocity(d * 0.75f);
  m_owner->addChunkExplosion(chunk);
}

bool Block::markByNeutron(unsigned group) {
  if (!isNormalOrStone())
    return false;
  if (m_group == 0) {
    m_neutronMarked = true;
    m_neutronGroup = group;
  }
  return true;
}

void Block::neutronBurst(unsigned group) {
  constexpr float speed = 6.0f;
  constexpr float degree = 3.14159265359f / 180.0f;
  const math::Vector3 c = centre();
  for (int i = 0; i < 2; ++i) {
    const float angle = float(Random::globalInt(0, 359)) * degree;
    auto *neutron = new Neutron(*m_owner);
    neutron->launch(math::Vector2(c.x, c.y),
                    math::Vector2(speed * std::cos(angle), speed * std::sin(angle)), m_color,
                    group);
    m_owner->addNeutron(neutron);
  }
  queueGameSound(SYM(L"neutron"), Random::globalFloat(0.7f, 1.2f));
}

void Block::neutronBreak() {
  m_group = m_neutronGroup;
  smash(false);
  neutronBurst(m_group);
  spawnAtCentre(SYM(L"neutronPop"), 0.2f, math::Color::white, Level::blockEffects());
  m_owner->blast(centre(), 9.0f, 12.0f);
}

void Block::freeze(bool loud) {
  m_frozen = true;
  m_loudShatter = loud;
  m_freezeDelay = 0.075f;
  m_freezeSpread = false;
  m_owner->freezeCounted(m_group);
}

void Block::freezeInGroup(unsigned group) {
  m_group = group;
  freeze(false);
}

void Block::shatterIce() {
  smash(m_loudShatter);
  spawnAtCentre(m_kind == BONUS ? SYM(L"icePopBig") : SYM(L"icePop"), 0.1f, math::Color::white,
                Level::objectEffects());
  queueGameSound(SYM(L"glassBreaks"));
}

void Block::setCharge(unsigned charge) {
  m_charge = charge;
  m_chargeAge = 0.0f;
  if (charge < noCharge)
    spawnAtCentre(SYM(L"blockCharge"), 0.1f, math::Color::white, Level::objectEffects());
}

void Block::startShake(const math::Vector2 &velocity, float delay) {
  m_shaking = true;
  m_shakeDelay = delay;
  m_shakeVelocity = velocity;
  m_shakeProgress = 0.0f;
}

void Block::updateShake(float dt) {
  if (m_shaking) {
    m_shakeDelay -= dt;
    if (m_shakeDelay <= 0.0f) {
      m_shakeOffset += m_shakeVelocity * dt;
      if (m_shakeProgress >= 1.0f) {
        m_shaking = false;
      } else {
        m_shakeProgress = m_shakeProgress + 2.0f * dt < 1.0f ? m_shakeProgress + 2.0f * dt : 1.0f;
        m_shakeOffset *= 1.0f - m_shakeProgress;
      }
    }
  }
  if (!m_shaking)
    m_shakeOffset = math::Vector2();
}
