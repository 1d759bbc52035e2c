#pragma once
// A particle system placed in the 3-D world: it drifts with a constant
// velocity, has a size, an angle, a colour, an optional lifespan and its own
// depth settings, and draws flat on the ground plane, upright, or facing the
// camera.

#include "math/Color.h"
#include "math/Vector3.h"
#include "video/Renderable.h"

#include <cstdint>

class ParticleSystem;
namespace quip {
class Dictionary;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Effect3D : public video::Renderable3D {
public:
  enum Alignment { ALIGN_XY = 0, ALIGN_XZ = 1, ALIGN_FACE_CAMERA = 2 };

  // The system is made from the current database's definition of that name
  // (an unlisted name gets the factory's placeholder).
  Effect3D(Symbol particleSystem, float lifespan);
  Effect3D(const Effect3D &) = delete;
  Effect3D &operator=(const Effect3D &) = delete;
  ~Effect3D() override;

  // Present keys only; a value of another type leaves its field.
  void read(const quip::Dictionary &dictionary);
  // Past its lifespan, or (without one) once its system is finished.
  bool isFinished() const;
  // Nothing once finished.
  void update(float dt) override;
  void render(video::Canvas &canvas) override { render3D(canvas, Symbol()); }
  // Only for the default pass (the empty symbol), and only while not finished.
  void render3D(video::Canvas &canvas, Symbol pass) override;
  math::Vector3 position() const override { return location; }

  // The binary record; the alignment is not stored.
  void write(file::ByteReceiver &out) const;
  // A new effect from its record, facing the camera; null (reported) for a
  // record that is cut short.
  static Effect3D *readNew(file::ByteProducer &in);

  ParticleSystem *particleSystem() const { return m_system; }
  // The name of the system's definition.
  Symbol systemName() const;

  // The position (used for depth ordering).
  math::Vector3 location;
  // Units per second.
  math::Vector3 velocity;
  float scale = 1.0f;
  // Degrees about the effect's own axis.
  float angle = 0.0f;
  math::Color color;
  float age = 0.0f;
  // Negative: the effect lasts until its system is finished.
  float lifespan = -1.0f;
  bool depthTest = false;
  bool depthWrite = false;
  int alignment = ALIGN_FACE_CAMERA;

private:
  ParticleSystem *m_system = nullptr;
};
