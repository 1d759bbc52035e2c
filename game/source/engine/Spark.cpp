#include "engine/Spark.h"

#include "engine/SparkSystem.h"
#include "math/Quaternion.h"
#include "math/Random.h"

namespace video {

Spark::Spark(SparkSystem *system, const math::Vector3 &at) : m_system(system) {
  position = at;
  direction.setRandomDirection();
}

Spark::Spark(SparkSystem *system, const math::Vector3 &at, const math::Vector3 &direction)
    : direction(direction), m_system(system) {
  position = at;
}

bool Spark::update(float dt) {
  if (arrived)
    return false;
  const SparkSystem &s = *m_system;
  age += dt;
  const float step = (s.speed + age * s.acceleration) * dt;
  math::Vector3 to = s.position - position;
  if (age >= s.minimumFlight && to.lengthSquared() < step * step) {
    arrived = true;
    return true;
  }
  if (age >= s.steerDelay) {
    math::Vector3 t = to;
    t.normalize();
    math::Vector3 axis = direction.cross(t);
    float angle = t.angleTo(direction) + Random::globalFloat(-s.jitter, s.jitter);
    if (angle != 0.0f && axis != math::Vector3()) {
      axis.normalize();
      const float limit = (s.turnRate + age * s.turnAcceleration) * dt;
      angle = angle < -limit ? -limit : (angle > limit ? limit : angle);
      math::Quaternion turn;
      turn.setAxisAngle(axis, angle);
      direction = turn.rotate(direction);
    }
  }
  position += direction * step;
  return false;
}

} // namespace video
