#include "particle/SpoutCircle.h"

#include "math/Random.h"
#include "particle/Particle.h"
#include "particle/ParticleKeys.h"

Symbol SpoutCircle::getType() const { return particleKeys().circle; }

void SpoutCircle::place(const ParticleSystem &, Particle &p) const {
  if (radiusMax == 0.0f)
    return;
  // The radius is drawn before the angle.
  float r = Random::globalFloat(radiusMin, radiusMax);
  int a = Random::globalInt(0, 360);
  math::Vector2 d;
  d.setDirection(unsigned(a));
  d *= r;
  d *= scale;
  p.location.x += d.x;
  p.location.y += d.y;
}
