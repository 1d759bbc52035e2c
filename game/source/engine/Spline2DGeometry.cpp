#include "engine/Spline2DGeometry.h"

#include "math/BSpline2D.h"
#include "math/Circle.h"

Symbol Spline2DGeometry::getType() const { return SYM(L"spline2D"); }

bool Spline2DGeometry::nearest(const math::Sphere &local, math::Vector2 &offset,
                               float &reach) const {
  reach = local.radius + halfWidth;
  const math::Vector2 p(local.center.x, local.center.y);
  if (!bounds.intersects(math::Circle(reach, p)))
    return false;
  offset = p - m_spline->closestPoint(p);
  return true;
}

bool Spline2DGeometry::overlapsSphere(const math::Sphere &sphere) const {
  math::Vector2 offset;
  float reach;
  return nearest(sphere, offset, reach) && offset.lengthSquared() < reach * reach;
}

math::Vector3 Spline2DGeometry::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  return resolveLocally(sphere, [this](const math::Sphere &local) {
    math::Vector2 offset;
    float reach;
    if (!nearest(local, offset, reach) || offset.lengthSquared() >= reach * reach)
      return local.center;
    const math::Vector2 p(local.center.x, local.center.y);
    const math::Vector2 q = p - offset;
    offset.normalize();
    const math::Vector2 out = q + offset * reach;
    return math::Vector3(out.x, out.y, local.center.z);
  });
}
