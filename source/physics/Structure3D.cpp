#include "physics/Structure3D.h"

#include "math/Scalar.h"
#include "physics/Acceleration3D.h"
#include "physics/BounceEvent.h"
#include "physics/Constraint3D.h"
#include "physics/DistanceConstraints.h"
#include "physics/Drag3D.h"

#include <bit>
#include <cmath>
#include <typeinfo>

namespace physics {

namespace {
bool fixedTimeStep = false;
} // namespace

void setFixedTimeStep() { fixedTimeStep = true; }
bool isFixedTimeStep() { return fixedTimeStep; }

Structure3D::~Structure3D() {
  clearAtoms();
  clearDrag();
  clearConstraints();
  clearAccelerations();
}

void Structure3D::onBounce(const BounceEvent &event) {
  for (uint32_t i = 0; i < bounceListeners.size(); ++i)
    bounceListeners[i]->onBounce(event);
}

void Structure3D::setAtomCount(unsigned n) {
  clearAtoms();
  addAtoms(n);
}

void Structure3D::addAtoms(unsigned n) {
  atoms.reserve(atoms.size() + n);
  for (unsigned i = 0; i < n; ++i)
    atoms.push(new Atom());
}

void Structure3D::clearAtoms() {
  for (uint32_t i = 0; i < atoms.size(); ++i)
    delete atoms[i];
  atoms.clear();
}

Atom *Structure3D::removeAtom(Atom *atom) {
  const int index = atoms.indexOf(atom);
  if (index < 0)
    return nullptr;
  return atoms.removeAt(uint32_t(index));
}

Atom *Structure3D::removeAtomAt(unsigned index) {
  if (index >= atoms.size())
    return nullptr;
  return atoms.removeAt(index);
}

void Structure3D::pinAllAtoms() {
  for (uint32_t i = 0; i < atoms.size(); ++i)
    atoms[i]->pinned = 1;
}

void Structure3D::addAcceleration(Acceleration3D *acceleration) {
  accelerations.push(acceleration);
}

void Structure3D::clearAccelerations() {
  for (uint32_t i = 0; i < accelerations.size(); ++i)
    delete accelerations[i];
  accelerations.clear();
}

void Structure3D::addConstraint(Constraint3D *constraint) { constraints.push(constraint); }

void Structure3D::clearConstraints() {
  for (uint32_t i = 0; i < constraints.size(); ++i)
    delete constraints[i];
  constraints.clear();
}

void Structure3D::setDrag(Drag3D *newDrag) {
  if (newDrag == drag)
    return;
  delete drag;
  drag = newDrag;
}

void Structure3D::clearDrag() {
  delete drag;
  drag = nullptr;
}

void Structure3D::notifyContact(WorldGeometry *geometry, int atomIndex) {
  for (uint32_t i = 0; i < contactListeners.size(); ++i)
    contactListeners[i]->onContact(geometry, this, atomIndex);
}

void Structure3D::clearContactFlags() {
  for (uint32_t i = 0; i < atoms.size(); ++i)
    atoms[i]->contactFlags = 0;
}

void Structure3D::accumulateAccelerations(float previousStepTime, float stepTime) {
  (void)previousStepTime;
  for (uint32_t i = 0; i < atoms.size(); ++i)
    atoms[i]->acceleration = math::Vector3();
  for (uint32_t i = 0; i < accelerations.size(); ++i) {
    accelerations[i]->updateIfEnabled(stepTime);
    accelerations[i]->applyIfEnabled(*this);
  }
  finishAccelerations(stepTime);
}

void Structure3D::finishAccelerations(float stepTime) {
  const float timeSquared = stepTime * stepTime;
  for (uint32_t i = 0; i < atoms.size(); ++i) {
    Atom &atom = *atoms[i];
    atom.acceleration =
        (atom.acceleration + pendingAcceleration) * atom.accelerationFactor * timeSquared;
  }
  pendingAcceleration = math::Vector3();
}

void Structure3D::applyDrag(float stepTime) {
  if (drag != nullptr)
    drag->applyIfEnabled(*this, stepTime);
}

namespace {

// The velocity keep factor of one step for an atom, as a power of its
// per-second factor. The step time is the same for every atom and atoms
// mostly share their factor, so the power is taken again only when the
// factor's bits change.
class KeepFactor {
public:
  KeepFactor(float previousStepTime, float stepTime)
      : m_ratio((fixedTimeStep || !(previousStepTime > 0)) ? 1.0f : stepTime / previousStepTime),
        m_stepTime(stepTime) {}

  void integrate(Atom &atom) {
    math::Vector3 v = atom.position - atom.previousPosition;
    const float keep = atom.damping * atom.dragDamping;
    if (fixedTimeStep) {
      v *= keep;
    } else {
      v *= m_ratio;
      const uint32_t bits = std::bit_cast<uint32_t>(keep);
      if (!m_havePower || bits != m_keepBits) {
        m_power = float(std::pow(double(keep), double(m_stepTime)));
        m_keepBits = bits;
        m_havePower = true;
      }
      v *= m_power;
    }
    v += atom.acceleration;
    atom.previousPosition = atom.position;
    atom.position += v;
  }

private:
  float m_ratio;
  float m_stepTime;
  uint32_t m_keepBits = 0;
  float m_power = 0;
  bool m_havePower = false;
};

} // namespace

void Structure3D::integrate(float previousStepTime, float stepTime) {
  KeepFactor keep(previousStepTime, stepTime);
  for (uint32_t i = 0; i < atoms.size(); ++i) {
    Atom &atom = *atoms[i];
    if (atom.pinned != 1)
      keep.integrate(atom);
  }
}

void Structure3D::moveAtoms(float previousStepTime, float stepTime) {
  // A plain vector field first in the list (gravity, mostly) adds the same to
  // every atom: the clearing walk starts each atom there.
  math::Vector3 start;
  uint32_t firstField = 0;
  if (!accelerations.isEmpty() && typeid(*accelerations[0]) == typeid(Acceleration3DVector)) {
    Acceleration3D &field = *accelerations[0];
    field.updateIfEnabled(stepTime);
    if (field.enabled)
      start += static_cast<Acceleration3DVector &>(field).vector;
    firstField = 1;
  }
  const bool dragging = drag != nullptr && drag->enabled;
  const float timeSquared = stepTime * stepTime;
  KeepFactor keep(previousStepTime, stepTime);
  if (firstField == accelerations.size() && !dragging) {
    // Nothing runs between clearing, accumulating and integrating: one walk.
    for (uint32_t i = 0; i < atoms.size(); ++i) {
      Atom &atom = *atoms[i];
      atom.contactFlags = 0;
      atom.acceleration = (start + pendingAcceleration) * atom.accelerationFactor * timeSquared;
      if (atom.pinned != 1)
        keep.integrate(atom);
    }
    pendingAcceleration = math::Vector3();
    return;
  }
  for (uint32_t i = 0; i < atoms.size(); ++i) {
    Atom &atom = *atoms[i];
    atom.contactFlags = 0;
    atom.acceleration = start;
  }
  for (uint32_t i = firstField; i < accelerations.size(); ++i) {
    accelerations[i]->updateIfEnabled(stepTime);
    accelerations[i]->applyIfEnabled(*this);
  }
  if (dragging) {
    finishAccelerations(stepTime);
    drag->apply(*this, stepTime);
    integrate(previousStepTime, stepTime);
    return;
  }
  // Without a drag nothing runs between the two walks: one does both.
  for (uint32_t i = 0; i < atoms.size(); ++i) {
    Atom &atom = *atoms[i];
    atom.acceleration =
        (atom.acceleration + pendingAcceleration) * atom.accelerationFactor * timeSquared;
    if (atom.pinned != 1)
      keep.integrate(atom);
  }
  pendingAcceleration = math::Vector3();
}

void Structure3D::applyConstraints() {
  // Sticks, by far the most common (a cloth has thousands), run inline.
  for (uint32_t pass = 0; pass < relaxationPasses; ++pass) {
    for (uint32_t i = 0; i < constraints.size(); ++i) {
      Constraint3D &constraint = *constraints[i];
      if (!constraint.enabled)
        continue;
      if (typeid(constraint) == typeid(Constraint3DStick)) {
        const auto &stick = static_cast<const Constraint3DStick &>(constraint);
        solveDistance(*this, stick.a, stick.b, stick.length, stick.mode);
      } else {
        constraint.apply(*this);
      }
    }
  }
}

void Structure3D::clampAxisSpeed(float stepTime) {
  if (axisMask == 0)
    return;
  const math::Vector3 masked((axisMask & 1) ? 1.0f : 0.0f, (axisMask & 2) ? 1.0f : 0.0f,
                             (axisMask & 4) ? 1.0f : 0.0f);
  const math::Vector3 rest(1.0f - masked.x, 1.0f - masked.y, 1.0f - masked.z);
  float low = targetSpeed - 0.5f * speedRange;
  float high = targetSpeed + 0.5f * speedRange;
  if (!fixedTimeStep) {
    low *= stepTime;
    high *= stepTime;
  }
  for (uint32_t i = 0; i < atoms.size(); ++i) {
    Atom &atom = *atoms[i];
    if (atom.pinned == 1)
      continue;
    const math::Vector3 velocity = atom.position - atom.previousPosition;
    math::Vector3 u = velocity;
    u *= masked;
    const float s = u.length();
    if (s > 0)
      u /= s;
    u *= math::min<float>(math::max<float>(s, low), high);
    math::Vector3 w = velocity;
    w *= rest;
    atom.setVelocity(u + w);
  }
}

void Structure3D::step(float previousStepTime, float stepTime) {
  moveAtoms(previousStepTime, stepTime);
  applyConstraints();
  clampAxisSpeed(stepTime);
}

} // namespace physics
