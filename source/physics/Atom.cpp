#include "physics/Atom.h"

#include "physics/BounceEvent.h"
#include "physics/Structure3D.h"

namespace physics {

namespace {
// A bounce carries speed above 1e-8 (squared, per step).
constexpr float speedEpsilon = 1e-8f;
// The resting-contact threshold sits one f32 step below 1e-8.
constexpr float restingEpsilon = 9.99999905e-9f;
} // namespace

void Atom::respond(const math::Vector3 &resolved, bool bounceOff, BounceEvent &event) {
  math::Vector3 v = position - previousPosition;
  const math::Vector3 c = resolved - position;
  const float d = c.length();
  if (d == 0)
    return;
  const math::Vector3 n = c / d;

  // Resting contact: take back the part of this step's acceleration that
  // pressed into the surface, at most the push-out itself.
  if (c.lengthSquared() > restingEpsilon) {
    math::Vector3 a = acceleration * -1.0f;
    const float along = a.dot(n);
    if (along > 0) {
      a = n * along / n.dot(n);
      if (a.lengthSquared() > c.lengthSquared())
        a = c;
    }
    v += a;
  }

  const math::Vector3 normalPart = n * -v.dot(n);
  const math::Vector3 tangentPart = v + normalPart;
  const math::Vector3 w =
      bounceOff ? normalPart * bounce + tangentPart * slide : tangentPart * slide;

  position = resolved;
  previousPosition = resolved - w;

  if (!bounceOff || v.lengthSquared() <= speedEpsilon || w.lengthSquared() <= speedEpsilon)
    return;
  event.incomingVelocity = v;
  event.outgoingVelocity = w;
  event.normal = n;
  event.depth = d;
  Structure3D *structure = event.structure;
  if (structure == nullptr)
    return;
  if (!structure->bounceListeners.isEmpty())
    event.computeSpeeds();
  structure->onBounce(event);
}

} // namespace physics
