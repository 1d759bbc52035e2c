#pragma once
// Everything one emitter of a particle system needs: the billboard each
// particle shows, the spout that places new particles, the mover that moves
// them, the emission rhythm, limits, initial velocity, and the particle's
// colour, scale and rotation over its age. Shared, read-only, by every
// emitter made from it (only its billboard is re-coloured while drawing).

#include "math/Animatable.h"
#include "math/AnimatedColor.h"
#include "math/AnimatedFloat.h"
#include "math/AnimatedVector2.h"
#include "math/Vector2.h"
#include "math/Vector3.h"

#include <cstdint>

class Billboard3D;
class Database;
class Mover;
class Spout;
namespace quip {
class Dictionary;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class EmitterDefinition : public math::Animatable {
public:
  enum Align { ALIGN_NONE = 0, ALIGN_TO_VELOCITY = 1 };
  static constexpr float DefaultChargeThreshold = 0.033f;
  // Emission never runs faster than this period.
  static constexpr float MinimumChargeThreshold = 0.0001f;

  EmitterDefinition() = default;
  EmitterDefinition(const EmitterDefinition &) = delete;
  EmitterDefinition &operator=(const EmitterDefinition &) = delete;
  ~EmitterDefinition() override;

  math::Channel *getChannel(Symbol name) const override;
  void setChannel(Symbol name, math::Channel *channel) override;

  // Present keys only; the charge threshold is floored in any case.
  void read(Database *database, const quip::Dictionary &dictionary);
  // Without a billboard or a spout nothing is written: false, reported.
  bool write(quip::Dictionary &dictionary) const;
  // False, reported, for a record that is cut short or whose billboard
  // cannot be read; what was read before stays.
  bool readBinary(file::ByteProducer &in, Database *database);
  // Without a billboard or a spout nothing is written: false, reported.
  bool writeBinary(file::ByteReceiver &out, Database *database) const;

  // Emitters emit and draw only when both are there.
  bool isComplete() const { return billboard && spout; }

  Billboard3D *billboard = nullptr;
  Spout *spout = nullptr;
  Mover *mover = nullptr;
  float lifespan = -1.0f;
  float particleLifespan = 1.0f;
  int32_t align = ALIGN_NONE;
  float angleVariance = 0.0f;
  float angleIncrement = 0.0f;
  math::Vector2 scaleVariance;
  float velocityScalar = 1.0f;
  math::Vector3 initialVelocity;
  float randomInitialVelocity = 0.0f;
  uint32_t initialParticles = 0;
  int32_t maxParticles = -1;
  float chargeThreshold = DefaultChargeThreshold;
  uint32_t particlesPerCharge = 1;
  math::AnimatedColor initialColor;
  math::AnimatedVector2 initialScale{math::Vector2(1.0f, 1.0f)};
  math::AnimatedFloat initialRotation;
  bool pointSpritesEnabled = false;
  math::Vector3 pointSpriteAttenuation{1.0f, 0.0f, 0.0f};
  bool pointSpritesIn2D = false;

private:
  void setBillboard(Billboard3D *billboard);
  void setSpout(Spout *spout);
  void setMover(Mover *mover);
  void floorChargeThreshold();
  bool refuseIncomplete() const;
};
