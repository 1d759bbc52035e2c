#pragma once
// Sparks that fly from where they are emitted to the system's position and
// report their arrival to the listeners. The ball keeps one; blocks and tar
// balls emit into it.

#include "container/Vector.h"
#include "math/Spatial3D.h"
#include "math/Vector3.h"
#include "video/RenderPass.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace video {

class Canvas;
class Spark;
class SparkListener;

class SparkSystem : public math::Spatial3D {
public:
  SparkSystem() = default;
  SparkSystem(const SparkSystem &) = delete;
  SparkSystem &operator=(const SparkSystem &) = delete;
  ~SparkSystem() override;

  // count sparks at the point, each with a random direction.
  void emit(unsigned count, const math::Vector3 &at);
  // Not owned.
  void addListener(SparkListener *listener) { m_listeners.push(listener); }
  // A spark that arrives is reported to every listener, then removed and
  // deleted in the same update.
  void update(float dt);
  // One point sprite per spark, 2.5 times the level's sprite size.
  void render(Canvas &canvas, float spriteSize);
  void clear();

  // The sparks only: the settings and the listeners are not stored.
  void write(file::ByteReceiver &out) const;
  // Replaces the sparks. False, with no sparks, when the record is cut short
  // or claims more sparks than its bytes hold.
  bool read(file::ByteProducer &in);

  uint32_t sparkCount() const { return m_sparks.size(); }
  Spark &spark(uint32_t i) { return *m_sparks[i]; }

  // Units per second, and its growth per second of age.
  float speed = 100.0f;
  float acceleration = 10.0f;
  // Degrees per second, and its growth per second of age.
  float turnRate = 100.0f;
  float turnAcceleration = 100.0f;
  // Degrees of random wobble each step.
  float jitter = 10.0f;
  // Seconds before a spark may arrive, and before it steers.
  float minimumFlight = 0.0f;
  float steerDelay = 0.0f;

private:
  container::Vector<Spark *> m_sparks;
  container::Vector<SparkListener *> m_listeners;
  container::Vector<float> m_points;
  RenderPass m_pass;
  bool m_passReady = false;
};

} // namespace video
