// The binary record of an emitter definition: the billboard's record, the
// spout's, then tagged fields up to the tag 255. A writer writes only what
// differs from the defaults; a reader takes the tags in any order and reads
// the tags 20 to 254 as tags without a value.

#include "particle/EmitterDefinition.h"

#include "billboard/Billboard3D.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "particle/Mover.h"
#include "particle/SameVector.h"
#include "particle/Spout.h"

namespace {

enum Tag : uint8_t {
  MOVER = 0,
  LIFESPAN = 1,
  PARTICLE_LIFESPAN = 2,
  ALIGN = 3,
  ANGLE_VARIANCE = 4,
  ANGLE_INCREMENT = 5,
  SCALE_VARIANCE = 6,
  VELOCITY_SCALAR = 7,
  INITIAL_VELOCITY = 8,
  RANDOM_INITIAL_VELOCITY = 9,
  INITIAL_PARTICLES = 10,
  MAX_PARTICLES = 11,
  CHARGE_THRESHOLD = 12,
  PARTICLES_PER_CHARGE = 13,
  INITIAL_COLOR = 14,
  INITIAL_SCALE = 15,
  INITIAL_ROTATION = 16,
  POINT_SPRITES_ENABLED = 17,
  POINT_SPRITE_ATTENUATION = 18,
  POINT_SPRITES_IN_2D = 19,
  END = 255
};

bool fail(const wchar_t *reason) {
  framework::reportError(String(L"Emitter definition record: ") + reason);
  return false;
}

} // namespace

bool EmitterDefinition::readBinary(file::ByteProducer &in, Database *database) {
  setBillboard(new Billboard3D);
  if (!billboard->readBinary(database, in))
    return false;
  setSpout(createSpout(in));
  if (in.overrun())
    return fail(L"truncated");
  for (;;) {
    if (in.bytesRemaining() == 0)
      return fail(L"truncated");
    uint8_t tag = END;
    file::read(tag, in);
    bool animated = true;
    switch (tag) {
    case END:
      // The floor holds for binary definitions too: with a threshold of 0
      // emission would never end.
      floorChargeThreshold();
      return true;
    case MOVER:
      setMover(createMover(in));
      break;
    case LIFESPAN:
      file::read(lifespan, in);
      break;
    case PARTICLE_LIFESPAN:
      file::read(particleLifespan, in);
      break;
    case ALIGN:
      file::read(align, in);
      break;
    case ANGLE_VARIANCE:
      file::read(angleVariance, in);
      break;
    case ANGLE_INCREMENT:
      file::read(angleIncrement, in);
      break;
    case SCALE_VARIANCE:
      file::read(scaleVariance, in);
      break;
    case VELOCITY_SCALAR:
      file::read(velocityScalar, in);
      break;
    case INITIAL_VELOCITY:
      file::read(initialVelocity, in);
      break;
    case RANDOM_INITIAL_VELOCITY:
      file::read(randomInitialVelocity, in);
      break;
    case INITIAL_PARTICLES:
      file::read(initialParticles, in);
      break;
    case MAX_PARTICLES:
      file::read(maxParticles, in);
      break;
    case CHARGE_THRESHOLD:
      file::read(chargeThreshold, in);
      break;
    case PARTICLES_PER_CHARGE:
      file::read(particlesPerCharge, in);
      break;
    case INITIAL_COLOR:
      animated = initialColor.read(in);
      break;
    case INITIAL_SCALE:
      animated = initialScale.read(in);
      break;
    case INITIAL_ROTATION:
      animated = initialRotation.read(in);
      break;
    case POINT_SPRITES_ENABLED:
      file::read(pointSpritesEnabled, in);
      break;
    case POINT_SPRITE_ATTENUATION:
      file::read(pointSpriteAttenuation, in);
      break;
    case POINT_SPRITES_IN_2D:
      file::read(pointSpritesIn2D, in);
      break;
    default:
      break; // a tag without a value
    }
    if (!animated || in.overrun())
      return fail(L"truncated");
  }
}

bool EmitterDefinition::writeBinary(file::ByteReceiver &out, Database *database) const {
  if (refuseIncomplete())
    return false;
  // Made whole first: an animated value whose channel has no binary form
  // refuses the record, and nothing of it may reach the stream.
  file::BufferBinary record;
  billboard->writeBinary(database, record);
  spout->writeBinary(record);
  auto tag = [&](Tag t) { file::write(uint8_t(t), record); };
  if (mover) {
    tag(MOVER);
    mover->writeBinary(record);
  }
  auto number = [&](Tag t, float value, float byDefault) {
    if (value != byDefault) {
      tag(t);
      file::write(value, record);
    }
  };
  number(LIFESPAN, lifespan, -1.0f);
  number(PARTICLE_LIFESPAN, particleLifespan, 1.0f);
  if (align != ALIGN_NONE) {
    tag(ALIGN);
    file::write(align, record);
  }
  number(ANGLE_VARIANCE, angleVariance, 0.0f);
  number(ANGLE_INCREMENT, angleIncrement, 0.0f);
  if (!sameVector(scaleVariance, math::Vector2())) {
    tag(SCALE_VARIANCE);
    file::write(scaleVariance, record);
  }
  number(VELOCITY_SCALAR, velocityScalar, 1.0f);
  if (initialVelocity != math::Vector3()) {
    tag(INITIAL_VELOCITY);
    file::write(initialVelocity, record);
  }
  number(RANDOM_INITIAL_VELOCITY, randomInitialVelocity, 0.0f);
  // The maximum before the initial count, as the format has always had it.
  if (maxParticles != -1) {
    tag(MAX_PARTICLES);
    file::write(maxParticles, record);
  }
  if (initialParticles != 0) {
    tag(INITIAL_PARTICLES);
    file::write(initialParticles, record);
  }
  number(CHARGE_THRESHOLD, chargeThreshold, DefaultChargeThreshold);
  if (particlesPerCharge != 1) {
    tag(PARTICLES_PER_CHARGE);
    file::write(particlesPerCharge, record);
  }
  bool written = true;
  if (!initialColor.isDefault()) {
    tag(INITIAL_COLOR);
    written = initialColor.write(record) && written;
  }
  if (!initialScale.isDefault()) {
    tag(INITIAL_SCALE);
    written = initialScale.write(record) && written;
  }
  if (!initialRotation.isDefault()) {
    tag(INITIAL_ROTATION);
    written = initialRotation.write(record) && written;
  }
  if (pointSpritesEnabled) {
    tag(POINT_SPRITES_ENABLED);
    file::write(true, record);
  }
  if (pointSpriteAttenuation != math::Vector3(1.0f, 0.0f, 0.0f)) {
    tag(POINT_SPRITE_ATTENUATION);
    file::write(pointSpriteAttenuation, record);
  }
  if (pointSpritesIn2D) {
    tag(POINT_SPRITES_IN_2D);
    file::write(true, record);
  }
  tag(END);
  if (!written) {
    framework::reportError(L"Emitter definition: a channel has no binary form: not written");
    return false;
  }
  out.receiveBytes(record.data(), record.size());
  return true;
}
