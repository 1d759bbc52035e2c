#include "engine/HazardRule.h"

#include "engine/Ball.h"
#include "engine/Engine.h"
#include "engine/Level.h"

bool enginePlaying(const Level &level) {
  const Engine *engine = level.engine();
  return engine && engine->state() == Engine::PLAYING;
}

Ball *ballTouching(const Level &level, const physics::Structure3D *structure) {
  return enginePlaying(level) ? level.ballFromStructure(structure) : nullptr;
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
