#pragma once
// Overlap tests between spheres, capsules, boxes, planes and segments. The
// tests are members of the shapes (declared with them); this header gathers
// the shapes and adds the free forms.

#include "math/Box3D.h"
#include "math/Capsule.h"
#include "math/Plane.h"
#include "math/Segment.h"
#include "math/Sphere.h"

namespace math {

// The box first, strict.
inline bool intersects(const Box3D &box, const Sphere &sphere) { return box.intersects(sphere); }

} // namespace math
