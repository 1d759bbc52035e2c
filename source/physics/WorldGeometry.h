#pragma once
// A solid shape placed in the world through a transform definition. Each
// step a world calls collide for every structure: atoms that the shape would
// push out are moved (slid or bounced), flagged with the shape's category and
// reported to the contact listeners. Concrete shapes supply the geometry.

#include "container/Vector.h"
#include "math/Box3D.h"
#include "math/Capsule.h"
#include "math/Sphere.h"
#include "math/TransformDefinition.h"
#include "math/Vector3.h"
#include "physics/Category.h"
#include "physics/Listener.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace quip {
class Dictionary;
}

namespace physics {

class WorldGeometry {
public:
  // A disabled geometry collides with nothing.
  bool enabled = true;
  math::TransformDefinition transform;
  // Not owned.
  container::Vector<ContactListener *> contactListeners;
  uint32_t category = CATEGORY_NONE;
  // Not owned.
  GeometryOwner *owner = nullptr;

  WorldGeometry() = default;
  // Copies enabled, transform and category; no listeners, no owner.
  WorldGeometry(const WorldGeometry &other);
  WorldGeometry &operator=(const WorldGeometry &) = delete;
  virtual ~WorldGeometry() = default;

  virtual void readFrom(const quip::Dictionary &dictionary);
  // Puts "type" first; shapes add their keys after calling this.
  virtual void writeTo(quip::Dictionary &dictionary) const;
  virtual Symbol getType() const = 0;
  virtual bool hasBoundingRadius() const { return false; }
  // Where the centre of the sphere (in world coordinates) must stand to be
  // clear of the shape; the centre itself means no contact.
  virtual math::Vector3 resolve(const math::Sphere &sphere,
                                const math::Vector3 &previousPosition) const = 0;
  // A copy owned by the caller, or null for a shape that cannot be copied.
  virtual WorldGeometry *clone() const { return nullptr; }
  virtual float getBoundingRadius() const { return 0; }
  virtual math::Box3D getBounds() const { return math::Box3D(); }
  // The sphere or capsule is already in the geometry's own frame.
  virtual bool overlapsSphere(const math::Sphere &sphere) const = 0;
  virtual bool overlapsCapsule(const math::Capsule &capsule) const {
    (void)capsule;
    return false;
  }
  // A box in the shape's own frame such that every sphere the shape moves has
  // its centre within its radius of the box. False when the shape may reach
  // any point (a plane, a keep-inside box, a shape that does not say): such
  // a shape is tried against every structure.
  virtual bool getLocalBounds(math::Box3D &bounds) const {
    (void)bounds;
    return false;
  }

  void setOwner(GeometryOwner *newOwner) { owner = newOwner; }
  GeometryOwner *getOwner() const { return owner; }
  void addContactListener(ContactListener *listener) { contactListeners.push(listener); }

  // Pushes the structure's atoms out of the shape; see the class comment.
  // True when any atom touched it.
  bool collide(Structure3D &structure);
  bool canCollide(const Structure3D &structure);
  bool canRespond(const Structure3D &structure);
  bool bouncesOff(const Structure3D &structure) const;
  // The geometry's listeners first, then the structure's.
  void notifyContact(Structure3D &structure, int atomIndex);

  math::Sphere toLocal(const math::Sphere &sphere) const;
  math::Sphere toWorld(const math::Sphere &sphere) const;
  // Take the shape to the geometry's frame first; false for a zero scale.
  bool overlaps(const math::Sphere &sphere) const;
  bool overlaps(const math::Capsule &capsule) const;

protected:
  // Runs a push-out routine in the geometry's own frame. A zero scale, or a
  // routine that leaves the centre where it was, gives the world centre back
  // exactly, so the round trip through the transform cannot fake a contact.
  template <typename Routine>
  math::Vector3 resolveLocally(const math::Sphere &sphere, Routine &&routine) const {
    if (transform.scale == 0)
      return sphere.center;
    const math::Sphere local = toLocal(sphere);
    const math::Vector3 moved = routine(local);
    if (moved == local.center)
      return sphere.center;
    return transform.apply(moved);
  }
};

// Builds the shape named by "type" ("sphere", "capsule", "plane", "box",
// "wedge") and reads it from the dictionary; null for any other or a missing
// type. The caller owns the result.
WorldGeometry *createWorldGeometry(const quip::Dictionary &dictionary);

} // namespace physics
