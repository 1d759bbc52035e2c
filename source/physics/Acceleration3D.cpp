#include "physics/Acceleration3D.h"

#include "math/Sphere.h"
#include "physics/Structure3D.h"

namespace physics {

void Acceleration3DVector::apply(Structure3D &structure) {
  for (uint32_t i = 0; i < structure.atoms.size(); ++i)
    structure.atoms[i]->acceleration += vector;
}

void Acceleration3DAttractor::apply(Structure3D &structure) {
  for (uint32_t i = 0; i < structure.atoms.size(); ++i) {
    Atom &atom = *structure.atoms[i];
    const math::Vector3 d = position - atom.position;
    const float length = d.length();
    if (length == 0)
      continue;
    atom.acceleration += d / length * (strength / (length * length));
  }
}

void Acceleration3DGravitySea::apply(Structure3D &structure) {
  for (uint32_t i = 0; i < structure.atoms.size(); ++i) {
    Atom &atom = *structure.atoms[i];
    if (atom.mass == 0)
      continue;
    const float bottom = atom.position.y - atom.radius;
    const float submerged =
        bottom >= seaLevel ? 0.0f : math::Sphere::capVolume(atom.radius, seaLevel - bottom);
    if (submerged == 0) {
      atom.acceleration += math::Vector3(0, -gravity, 0);
    } else {
      atom.acceleration +=
          math::Vector3(0, -(atom.mass - submerged * density) * gravity / atom.mass, 0);
    }
  }
}

} // namespace physics
