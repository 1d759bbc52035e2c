#include "physics/BounceEvent.h"

namespace physics {

BounceEvent::BounceEvent(WorldGeometry *geometry, Structure3D *structure, uint32_t atomIndex)
    : geometry(geometry), structure(structure), atomIndex(atomIndex), depth(0), incomingSpeed(0),
      outgoingSpeed(0), angle(0) {}

void BounceEvent::computeSpeeds() {
  incomingSpeed = incomingVelocity.length();
  outgoingSpeed = outgoingVelocity.length();
  if (incomingSpeed == 0 || outgoingSpeed == 0) {
    angle = 0;
    return;
  }
  angle = (incomingVelocity / incomingSpeed).angleTo(outgoingVelocity / outgoingSpeed);
}

} // namespace physics
