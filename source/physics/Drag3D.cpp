#include "physics/Drag3D.h"

#include "math/Scalar.h"
#include "physics/Structure3D.h"

namespace physics {

void Drag3DSea::apply(Structure3D &structure, float stepTime) {
  (void)stepTime;
  for (uint32_t i = 0; i < structure.atoms.size(); ++i) {
    Atom &atom = *structure.atoms[i];
    const float r = atom.radius;
    const float bottom = atom.position.y - r;
    // The curved surface of the submerged cap.
    const float area =
        bottom >= seaLevel ? 0.0f : math::min<float>(seaLevel - bottom, 2 * r) * (r * 6.2831855f);
    if (area == 0) {
      atom.dragDamping = 1;
      continue;
    }
    const float share = math::max<float>(0, math::min<float>(1, area / (r * 12.566371f * r)));
    atom.dragDamping = 1 + share * (damping - 1);
  }
}

} // namespace physics
