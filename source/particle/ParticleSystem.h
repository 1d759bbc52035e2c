#pragma once
// One running instance of a particle system definition: a placed drawable
// with one emitter per emitter definition. Its owner (a layer, a render
// group, a game object) updates, moves and draws it and deletes it once it
// reports finished.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "math/Color.h"
#include "math/Spatial3D.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "video/Renderable.h"

#include <cstdint>

class Emitter;
class ParticleSystemDefinition;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class ParticleSystem : public math::Spatial3D,
                       public video::RenderableObject,
                       public video::Renderable3D,
                       private NonCopyable {
public:
  // Starts every emitter, which emits the initial particles.
  ParticleSystem(ParticleSystemDefinition *definition, const math::Vector3 &position, float angle);
  ~ParticleSystem() override;

  math::Vector3 getPosition() const override { return Spatial3D::position; }
  // With moveParticles the living particles move along.
  void setPosition(const math::Vector3 &p) override;
  void setPosition(float x, float y, float z) override { setPosition(math::Vector3(x, y, z)); }
  void setPosition2D(const math::Vector2 &p) { setPosition(math::Vector3(p.x, p.y, 0.0f)); }
  math::Vector2 getPosition2D() const {
    return math::Vector2(Spatial3D::position.x, Spatial3D::position.y);
  }
  math::Vector3 position() const override { return Spatial3D::position; }

  // Nothing while inactive.
  void update(float dt) override;
  // Every emitter, in the system's colour.
  void render(video::Canvas &canvas) override;
  // Only for the default pass (the empty symbol).
  void render3D(video::Canvas &canvas, Symbol pass) override;
  // Every emitter finished; at once without emitters.
  bool isFinished() const override;
  // The particles live out their lifespans.
  void finish() override;

  void setEmitting(bool on);
  void killParticles();
  void loadTextures();
  void cullBehindPlane(const math::Vector3 &point, const math::Vector3 &normal);
  void cullBehindLine(const math::Vector2 &point, const math::Vector2 &normal);

  // The state record: position, each emitter with its living particles, the
  // settings that differ from the defaults. The reader returns false
  // (reported) for a record that is cut short or holds more particles than
  // a pool; nothing is written past a pool.
  void writeState(file::ByteReceiver &out, bool twoDimensional) const;
  bool readState(file::ByteProducer &in, bool twoDimensional);

  ParticleSystemDefinition *definition() const { return m_definition; }
  uint32_t emitterCount() const { return m_emitters.size(); }
  Emitter &emitter(uint32_t index) const { return *m_emitters[index]; }
  const math::Vector3 &rotationAxis() const { return m_rotationAxis; }
  float rotationAngle() const { return m_rotationAngle; }
  bool active() const { return m_active; }
  void setActive(bool active) { m_active = active; }

  bool moveParticles = false;
  // Multiplies everything the system draws.
  math::Color color;
  // Scales particle offsets and sizes.
  math::Vector3 scale{1.0f, 1.0f, 1.0f};
  // Replaces the emitter billboards' own alignment while they draw.
  uint32_t billboardAlignment = 0;

private:
  ParticleSystemDefinition *m_definition;
  container::Vector<Emitter *> m_emitters;
  math::Vector3 m_rotationAxis{0.0f, 0.0f, -1.0f};
  float m_rotationAngle;
  bool m_active = true;
};
