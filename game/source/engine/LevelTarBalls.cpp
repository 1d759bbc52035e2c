// The level's tar balls: by cell, shaken off the ball, and drawn as their
// dots and eyes in four batches around each tar's own drawing.

#include "engine/Ball.h"
#include "engine/CellLookup.h"
#include "engine/Level.h"
#include "engine/TarBall.h"

#include <cmath>

namespace {

// A tar's visibility box round its first atom: room for a chain of sticks.
constexpr float tarReach = 6.0f;

} // namespace

TarBall *Level::takeTarBall(const math::Vector2i &cell) {
  return celllookup::take(m_tarBalls, cell);
}

bool Level::hasTarBall(const math::Vector2i &cell) const {
  return celllookup::has(m_tarBalls, cell);
}

TarBall *Level::findTarBall(const math::Vector2i &cell) const {
  return celllookup::find(m_tarBalls, cell);
}

void Level::shakeOffTarBalls() {
  uint32_t i = 0;
  while (i < m_tarBalls.size()) {
    TarBall *tar = m_tarBalls[i];
    if (tar->state() != TarBall::STUCK) {
      ++i;
      continue;
    }
    tar->shakeOff();
    delete m_tarBalls.removeAt(i);
  }
}

void Level::updateStuckTarBalls(float dt) {
  for (TarBall *tar : m_tarBalls)
    if (tar->state() == TarBall::STUCK)
      tar->update(dt);
}

void Level::renderTarBalls(video::Canvas &canvas) {
  const bool powered = m_ball->power() != Ball::NO_POWER;
  math::Color tint = math::Color::red;
  if (powered)
    tint = hasBonusCharge() ? colorValue(m_bonusColor) : math::Color::white;
  tint.a = 0.5f;
  const math::Color core = powered ? math::Color::white : math::Color::black;
  const math::Vector3 half(tarReach, tarReach, 0.0f);
  SpriteBatch &blobs = m_batches.tar(0), &cores = m_batches.tar(1), &eyes = m_batches.tar(2),
              &pupils = m_batches.tar(3);
  for (const TarBall *tar : m_tarBalls) {
    if (tar->isDead() || !isVisible(math::Box3D(tar->getPosition(), half)))
      continue;
    const physics::Structure3D &chain = tar->structure();
    for (uint32_t k = chain.getAtomCount(); k-- > 0;) {
      const math::Vector3 &at = chain.getAtom(k).position;
      const math::Vector2 flat(at.x, at.y);
      const float i = float(k + 1);
      blobs.add(flat, tint, 1.5f + 0.1f * std::sin(4.0f * (totalTime() + 0.2f * i)));
      if (k != 0) {
        cores.add(flat, core);
        continue;
      }
      if (!powered)
        eyes.add(flat, math::Color::white);
      const math::Vector3 eye = tar->eyePosition();
      pupils.add(math::Vector2(eye.x, eye.y), math::Color::black);
    }
  }
  blobs.draw(canvas, m_spriteSize);
  for (TarBall *tar : m_tarBalls)
    if (!tar->isDead() && isVisible(math::Box3D(tar->getPosition(), half)))
      tar->render(canvas);
  cores.draw(canvas, m_spriteSize * 0.7f);
  eyes.draw(canvas, m_spriteSize * 0.7f);
  pupils.draw(canvas, m_spriteSize * 0.25f);
}
