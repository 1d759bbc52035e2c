#include "engine/HazardRule.h"

#include "engine/Ball.h"
#include "engine/Engine.h"
#include "engine/Level.h"

bool enginePlaying(const Level &level) {
  const Engine *engine = level.engine();
  return engine && engine->state() == Engine::PLAYING;
}

void strikeBall(Ball &ball) {
  if (!enginePlaying(*ball.owner()) || !ball.isPlaying())
    return;
  if (ball.hasShield())
    ball.loseShield();
  else if (!(ball.invulnerableTime() > 0.0f))
    ball.die();
}
