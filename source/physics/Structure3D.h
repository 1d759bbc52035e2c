#pragma once
// A set of point masses with the acceleration fields, drag and constraints
// that move them. The structure owns its atoms, fields, constraints and drag;
// it does not own its listeners or its owner.
//
// A world that collides runs clearContactFlags, accumulateAccelerations,
// applyDrag and integrate for every structure, then passes of geometry
// collisions each followed by that structure's applyConstraints, and last
// clampAxisSpeed. step() runs the same without collisions. A step allocates
// nothing.

#include "container/Vector.h"
#include "math/Vector3.h"
#include "physics/Atom.h"
#include "physics/Listener.h"

#include <cstdint>

namespace physics {

class Acceleration3D;
class Constraint3D;
class Drag3D;

// The process-wide fixed-step flag: once set (the game sets it at start), the
// damping is per step rather than per second, the time ratio is 1 and the
// speed clamp works in displacement per step. Nothing clears it.
void setFixedTimeStep();
bool isFixedTimeStep();

class Structure3D : public BounceListener {
public:
  container::Vector<Atom *> atoms;
  // Added to every atom's acceleration in the next step, then cleared.
  math::Vector3 pendingAcceleration;
  container::Vector<Acceleration3D *> accelerations;
  // How many times the constraints run per step.
  uint32_t relaxationPasses = 1;
  container::Vector<Constraint3D *> constraints;
  Drag3D *drag = nullptr;
  // Centre and width of the clamped speed band, in units per second.
  float targetSpeed = 0;
  float speedRange = 0;
  // Axes whose speed is clamped: 1 = x, 2 = y, 4 = z; 0 = no clamp.
  uint32_t axisMask = 0;
  // Geometry categories only sensed, slid along and bounced off.
  uint32_t senseMask = 0;
  uint32_t slideMask = 0;
  uint32_t bounceMask = 0;
  container::Vector<ContactListener *> contactListeners;
  container::Vector<BounceListener *> bounceListeners;
  StructureOwner *owner = nullptr;

  Structure3D() = default;
  Structure3D(const Structure3D &) = delete;
  Structure3D &operator=(const Structure3D &) = delete;
  ~Structure3D() override;

  // Passes the event to each bounce listener in order.
  void onBounce(const BounceEvent &event) override;

  uint32_t getAtomCount() const { return atoms.size(); }
  Atom &getAtom(unsigned index) { return *atoms[index]; }
  const Atom &getAtom(unsigned index) const { return *atoms[index]; }
  // Deletes every atom, then appends n default ones.
  void setAtomCount(unsigned n);
  void addAtoms(unsigned n);
  void clearAtoms();
  // Takes the atom out (the rest keep their order); the caller then owns it.
  // Null when the atom is not in this structure.
  Atom *removeAtom(Atom *atom);
  Atom *removeAtomAt(unsigned index);
  void pinAllAtoms();

  // The structure takes ownership of what it is handed.
  void addAcceleration(Acceleration3D *acceleration);
  void clearAccelerations();
  void addConstraint(Constraint3D *constraint);
  void clearConstraints();
  void setDrag(Drag3D *newDrag);
  void clearDrag();

  void addContactListener(ContactListener *listener) { contactListeners.push(listener); }
  void addBounceListener(BounceListener *listener) { bounceListeners.push(listener); }
  void setOwner(StructureOwner *newOwner) { owner = newOwner; }
  StructureOwner *getOwner() const { return owner; }

  // Tells every contact listener, in order.
  void notifyContact(WorldGeometry *geometry, int atomIndex);

  // The parts of a step, in seconds.
  void clearContactFlags();
  void accumulateAccelerations(float previousStepTime, float stepTime);
  void applyDrag(float stepTime);
  void integrate(float previousStepTime, float stepTime);
  void applyConstraints();
  void clampAxisSpeed(float stepTime);
  // clearContactFlags, accumulateAccelerations, applyDrag and integrate with
  // the same results, in fewer walks over the atoms.
  void moveAtoms(float previousStepTime, float stepTime);
  // All of the above without collisions.
  void step(float previousStepTime, float stepTime);

private:
  // The accumulated accelerations to displacements of this step.
  void finishAccelerations(float stepTime);
};

} // namespace physics
