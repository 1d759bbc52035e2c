#include "engine/HazardRule.h"

#include "engine/Ball.h"
#include "engine/Engine.h"
#include "engine/Level.h"

Ball *ballTouching(const Level &level, const physics::Structure3D *structure) {
  const Engine *engine = level.engine();
  if (!engine || engine->state() != Engine::PLAYING)
    return nullptr;
  return level.ballFromStructure(structure);
}

HazardHit hurtBall(Ball &ball) {
  if (!ball.isPlaying())
    return HazardHit::NONE;
  if (ball.hasShield()) {
    ball.loseShield();
    return HazardHit::SHIELD_LOST;
  }
  if (ball.invulnerableTime() > 0.0f)
    return HazardHit::SPARED;
  ball.die();
  return HazardHit::KILLED;
}
