#pragma once
// Push-out routines: each returns the point where a sphere's centre must
// stand to be clear of a primitive; the centre unchanged means no contact.
// Side 1 holds the sphere outside the primitive, side 0 inside it.

#include "math/Capsule.h"
#include "math/Plane.h"
#include "math/Sphere.h"
#include "math/Vector3.h"

#include <cstdint>

namespace math {

enum : uint32_t { SIDE_INSIDE = 0, SIDE_OUTSIDE = 1 };

// Box face bits.
enum : uint32_t {
  FACE_POSITIVE_X = 1,
  FACE_NEGATIVE_X = 2,
  FACE_POSITIVE_Y = 4,
  FACE_NEGATIVE_Y = 8,
  FACE_POSITIVE_Z = 16,
  FACE_NEGATIVE_Z = 32,
  FACE_ALL = 0xFFFFFFFFu,
};

// Against sphere b; the result just touches b.
Vector3 resolveSphereSphere(const Sphere &a, const Sphere &b, uint32_t side);
// Against the sphere about the capsule's closest point to the centre.
Vector3 resolveSphereCapsule(const Sphere &sphere, const Capsule &capsule, uint32_t side);
// One-sided: a centre behind the plane is brought to the front.
Vector3 resolveSpherePlane(const Sphere &sphere, const Plane &plane, uint32_t side);
// The axis-aligned box (centre, half extents) with only the faces of the mask.
Vector3 resolveSphereBox(const Sphere &sphere, const Vector3 &center, const Vector3 &extents,
                         uint32_t side, uint32_t faceMask);
// The half of the box under the diagonal from its (-x, -y) edge to its (+x, +y)
// edge, extruded along z; slopeNormal points out of the slope.
Vector3 resolveSphereWedge(const Sphere &sphere, const Vector3 &center, const Vector3 &extents,
                           const Vector3 &slopeNormal);

} // namespace math
