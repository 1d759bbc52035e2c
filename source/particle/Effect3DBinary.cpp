// The binary record of one 3-D effect: the system's name, position, age, a
// mask of what differs from the defaults (bits 6 and 7 carry the depth
// flags themselves), then the values the mask names.

#include "particle/Effect3D.h"

#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/TextBinary.h"
#include "math/ColorBinary.h"

namespace {

enum Mask : uint8_t {
  VELOCITY = 1,
  SCALE = 2,
  ANGLE = 4,
  COLOR = 16,
  LIFESPAN = 32,
  DEPTH_TEST = 64,
  DEPTH_WRITE = 128
};

} // namespace

void Effect3D::write(file::ByteReceiver &out) const {
  file::write(systemName(), out);
  file::write(location, out);
  file::write(age, out);
  uint8_t mask = 0;
  if (velocity != math::Vector3())
    mask |= VELOCITY;
  if (scale != 1.0f)
    mask |= SCALE;
  if (angle != 0.0f)
    mask |= ANGLE;
  if (!(color == math::Color::white))
    mask |= COLOR;
  if (lifespan != -1.0f)
    mask |= LIFESPAN;
  if (depthTest)
    mask |= DEPTH_TEST;
  if (depthWrite)
    mask |= DEPTH_WRITE;
  file::write(mask, out);
  if (mask & VELOCITY)
    file::write(velocity, out);
  if (mask & SCALE)
    file::write(scale, out);
  if (mask & ANGLE)
    file::write(angle, out);
  if (mask & COLOR)
    file::write(color, out);
  if (mask & LIFESPAN)
    file::write(lifespan, out);
}

Effect3D *Effect3D::readNew(file::ByteProducer &in) {
  Symbol name;
  math::Vector3 at, drift;
  float age = 0.0f, size = 1.0f, turn = 0.0f, life = -1.0f;
  math::Color tint = math::Color::white;
  uint8_t mask = 0;
  file::read(name, in);
  file::read(at, in);
  file::read(age, in);
  file::read(mask, in);
  if (mask & VELOCITY)
    file::read(drift, in);
  if (mask & SCALE)
    file::read(size, in);
  if (mask & ANGLE)
    file::read(turn, in);
  if (mask & COLOR)
    file::read(tint, in);
  if (mask & LIFESPAN)
    file::read(life, in);
  if (in.overrun()) {
    framework::reportError(L"3-D effect record: truncated");
    return nullptr;
  }
  auto *effect = new Effect3D(name, life);
  effect->location = at;
  effect->age = age;
  effect->velocity = drift;
  effect->scale = size;
  effect->angle = turn;
  effect->color = tint;
  effect->depthTest = (mask & DEPTH_TEST) != 0;
  effect->depthWrite = (mask & DEPTH_WRITE) != 0;
  return effect;
}
