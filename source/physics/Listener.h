#pragma once
// The four small interfaces through which the physics reaches the objects
// that use it. Every operation has a default, so a user overrides only what
// it needs. Nothing here owns its listeners: whoever registers one keeps it
// alive while it is registered.

namespace physics {

class WorldGeometry;
class Structure3D;
struct BounceEvent;

// Told once per atom that a geometry's resolution moves in one collide call.
class ContactListener {
public:
  virtual ~ContactListener() = default;
  virtual void onContact(WorldGeometry *geometry, Structure3D *structure, int atomIndex) {
    (void)geometry;
    (void)structure;
    (void)atomIndex;
  }
};

// Told of bounces that carry speed.
class BounceListener {
public:
  virtual ~BounceListener() = default;
  virtual void onBounce(const BounceEvent &event) { (void)event; }
};

// Decides whether a structure may touch, and be pushed by, the owner's geometry.
class GeometryOwner {
public:
  virtual ~GeometryOwner() = default;
  virtual bool allowCollision(const WorldGeometry &geometry, const Structure3D &structure) {
    (void)geometry;
    (void)structure;
    return true;
  }
  virtual bool allowResponse(const WorldGeometry &geometry, const Structure3D &structure) {
    (void)geometry;
    (void)structure;
    return true;
  }
};

// Lets a structure's user be found again from the structure.
class StructureOwner {
public:
  virtual ~StructureOwner() = default;
};

} // namespace physics
