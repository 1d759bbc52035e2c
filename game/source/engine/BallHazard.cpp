#include "engine/BallHazard.h"

#include "engine/Ball.h"
#include "engine/Engine.h"
#include "engine/Level.h"

bool strikeBall(Level &level, Ball &ball) {
  const Engine *engine = level.engine();
  if (!engine || engine->state() != Engine::PLAYING || !ball.isPlaying())
    return false;
  if (ball.hasShield())
    ball.loseShield();
  else if (!(ball.invulnerableTime() > 0.0f))
    ball.die();
  return true;
}
