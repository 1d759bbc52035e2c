#include "engine/LightningOrbiter.h"

#include "math/Random.h"

namespace {

float negatedByCoin(float value) { return Random::globalCoinFlip() ? -value : value; }

uint32_t randomShape() { return uint32_t(Random::globalNext()) % 3u; }

} // namespace

void LightningOrbiter::randomize() {
  yaw = Random::globalFloat(-30.0f, 30.0f);
  if (Random::globalCoinFlip())
    yaw += 180.0f;
  pitch = Random::globalFloat(-180.0f, 180.0f);
  yawSpeed = negatedByCoin(Random::globalFloat(20.0f, 40.0f));
  pitchSpeed = negatedByCoin(Random::globalFloat(40.0f, 80.0f));
  age = 0.0f;
  lifetime = Random::globalFloat(0.2f, 1.0f);
  shape = randomShape();
  shapeTimer = Random::globalFloat(0.03f, 0.6f);
}

void LightningOrbiter::update(float dt) {
  age += dt;
  if (age >= lifetime)
    randomize();
  // Not rewound: once run out, the shape changes at every update.
  shapeTimer -= dt;
  if (shapeTimer <= 0.0f)
    shape = randomShape();
  yaw += dt * yawSpeed;
  pitch += dt * pitchSpeed;
}

float LightningOrbiter::fade() const {
  constexpr float edge = 0.05f;
  if (age >= lifetime)
    return 0.0f;
  if (age < edge)
    return age / edge;
  if (age > lifetime - edge)
    return (lifetime - age) / edge;
  return 1.0f;
}
