#pragma once
// One emitter of a particle system: it charges with time, emits particles
// into its fixed pool of 128 slots as its definition says, ages, moves and
// kills them, and draws them as billboards or as one batch of point sprites.
// Emission and update never allocate.

#include "particle/Particle.h"

#include <cstdint>

class EmitterDefinition;
class ParticleSystem;
namespace video {
class Canvas;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Emitter {
public:
  static constexpr uint32_t PoolSize = 128;

  Emitter(ParticleSystem *system, EmitterDefinition *definition);
  Emitter(const Emitter &) = delete;
  Emitter &operator=(const Emitter &) = delete;

  // Back to age 0 with no particle; emits the initial particles.
  void start();
  void update(float dt);
  void emit();
  bool isFinished() const;
  void draw(video::Canvas &canvas);

  // Switching on an emitter that was off restarts its charge at 0.
  void setEmitting(bool on);
  void finish() { m_finished = true; }
  void killParticles();
  void translate(const math::Vector3 &delta);
  // Kills the living particles behind the plane through point with that normal.
  void cullBehindPlane(const math::Vector3 &point, const math::Vector3 &normal);
  void cullBehindLine(const math::Vector2 &point, const math::Vector2 &normal);

  // The state record's part of this emitter; the reader returns false
  // (reported) for a cut record or a live count above the pool.
  void writeState(file::ByteReceiver &out, bool twoDimensional) const;
  bool readState(file::ByteProducer &in, bool twoDimensional);

  ParticleSystem *system() const { return m_system; }
  EmitterDefinition *definition() const { return m_definition; }
  float age() const { return m_age; }
  float charge() const { return m_charge; }
  int32_t emitted() const { return m_emitted; }
  uint32_t nextSlot() const { return m_nextSlot; }
  bool emitting() const { return m_emitting; }
  bool finished() const { return m_finished; }
  const Particle &particle(uint32_t slot) const { return m_pool[slot]; }
  uint32_t liveCount() const;

private:
  Particle &nextParticle();
  void emitOne(Particle &particle);
  void drawPointSprites(video::Canvas &canvas);

  ParticleSystem *m_system;
  EmitterDefinition *m_definition;
  float m_age = 0.0f;
  float m_charge = 0.0f;
  int32_t m_emitted = 0;
  uint32_t m_nextSlot = 0;
  Particle m_pool[PoolSize];
  bool m_emitting = true;
  bool m_finished = false;
};
