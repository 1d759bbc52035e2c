#include "particle/SpoutSphere.h"

#include "math/Random.h"
#include "particle/Particle.h"
#include "particle/ParticleKeys.h"

Symbol SpoutSphere::getType() const { return particleKeys().sphere; }

void SpoutSphere::place(const ParticleSystem &, Particle &p) const {
  if (radiusMax == 0.0f)
    return;
  math::Vector3 d;
  d.setRandomDirection();
  d *= Random::globalFloat(radiusMin, radiusMax);
  d *= scale;
  p.location += d;
}
