#include "physics/Box.h"
#include "physics/Capsule.h"
#include "physics/Plane.h"
#include "physics/Sphere.h"
#include "physics/Wedge.h"
#include "quip/Token.h"

namespace physics {

WorldGeometry *createWorldGeometry(const quip::Dictionary &dictionary) {
  const quip::Token *typeToken = dictionary.lookup(SYM(L"type"));
  Symbol type;
  if (typeToken == nullptr || !typeToken->get(type))
    return nullptr;

  WorldGeometry *geometry = nullptr;
  if (type == SYM(L"sphere"))
    geometry = new Sphere(math::Vector3(0, 0, 0), 1);
  else if (type == SYM(L"capsule"))
    geometry = new Capsule(math::Capsule(math::Vector3(), math::Vector3(), 1));
  else if (type == SYM(L"plane"))
    geometry = new Plane(math::Plane(math::Vector3(0, 0, 0), math::Vector3(0, 1, 0)));
  else if (type == SYM(L"box"))
    geometry = new Box(math::Vector3(), math::Vector3());
  else if (type == SYM(L"wedge"))
    geometry = new Wedge(math::Vector3(), math::Vector3());
  else
    return nullptr;
  geometry->readFrom(dictionary);
  return geometry;
}

} // namespace physics
