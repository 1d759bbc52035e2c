#include "engine/CylinderGeometry.h"

#include <cmath>

Symbol CylinderGeometry::getType() const { return SYM(L"cylinder"); }

math::Vector3 CylinderGeometry::resolve(const math::Sphere &sphere, const math::Vector3 &) const {
  const math::Vector3 &position = transform.translation;
  math::Vector3 d = sphere.center - position;
  d.z = 0.0f;
  const float reach = m_radius + sphere.radius;
  const float length = std::sqrt(d.lengthSquared());
  if (length >= reach)
    return sphere.center;
  const math::Vector3 out = length > 0.0f ? d / length : math::Vector3(1.0f, 0.0f, 0.0f);
  math::Vector3 resolved = position + out * reach;
  resolved.z = sphere.center.z;
  return resolved;
}

bool CylinderGeometry::overlapsSphere(const math::Sphere &sphere) const {
  const float reach = m_radius + sphere.radius;
  return sphere.center.lengthSquared() < reach * reach;
}
