#include "physics/WorldGeometry.h"

#include "physics/BounceEvent.h"
#include "physics/Structure3D.h"
#include "quip/Token.h"

namespace physics {

WorldGeometry::WorldGeometry(const WorldGeometry &other)
    : enabled(other.enabled), transform(other.transform), category(other.category) {}

void WorldGeometry::readFrom(const quip::Dictionary &dictionary) { (void)dictionary; }

void WorldGeometry::writeTo(quip::Dictionary &dictionary) const {
  dictionary.set(SYM(L"type"), quip::Token(getType(), false));
}

bool WorldGeometry::canCollide(const Structure3D &structure) {
  // The masks first: a structure that can match nothing never troubles the owner.
  if ((category & (structure.bounceMask | structure.slideMask | structure.senseMask)) == 0)
    return false;
  return owner == nullptr || owner->allowCollision(*this, structure);
}

bool WorldGeometry::canRespond(const Structure3D &structure) {
  if (owner != nullptr && !owner->allowResponse(*this, structure))
    return false;
  return (category & (structure.bounceMask | structure.slideMask)) != 0;
}

bool WorldGeometry::bouncesOff(const Structure3D &structure) const {
  return (category & structure.bounceMask) != 0;
}

void WorldGeometry::notifyContact(Structure3D &structure, int atomIndex) {
  for (uint32_t i = 0; i < contactListeners.size(); ++i)
    contactListeners[i]->onContact(this, &structure, atomIndex);
  structure.notifyContact(this, atomIndex);
}

bool WorldGeometry::collide(Structure3D &structure) {
  if (!enabled || !canCollide(structure))
    return false;
  bool touched = false;
  for (uint32_t i = 0; i < structure.atoms.size(); ++i) {
    Atom &atom = *structure.atoms[i];
    if (atom.pinned == 1)
      continue;
    const math::Vector3 resolved =
        resolve(math::Sphere(atom.position, atom.radius), atom.previousPosition);
    if (atom.isAt(resolved))
      continue;
    if (canRespond(structure)) {
      BounceEvent event(this, &structure, i);
      atom.respond(resolved, bouncesOff(structure), event);
    }
    atom.contactFlags |= category;
    touched = true;
    notifyContact(structure, int(i));
    if (!enabled)
      return true;
  }
  return touched;
}

math::Sphere WorldGeometry::toLocal(const math::Sphere &sphere) const {
  return math::Sphere(transform.applyInverse(sphere.center),
                      transform.unscaleLength(sphere.radius));
}

math::Sphere WorldGeometry::toWorld(const math::Sphere &sphere) const {
  return math::Sphere(transform.apply(sphere.center), transform.scaleLength(sphere.radius));
}

bool WorldGeometry::overlaps(const math::Sphere &sphere) const {
  if (transform.scale == 0)
    return false;
  return overlapsSphere(toLocal(sphere));
}

bool WorldGeometry::overlaps(const math::Capsule &capsule) const {
  if (transform.scale == 0)
    return false;
  return overlapsCapsule(math::Capsule(transform.applyInverse(capsule.start),
                                       transform.applyInverse(capsule.end),
                                       transform.unscaleLength(capsule.radius)));
}

} // namespace physics
