#pragma once
// A pool of lava: a flat polygon drawn as two textured layers, a glowing
// rim and rising bubbles. It tests the ball's position against its outline
// each frame: near the rim the ball is heated, inside it a playing ball
// dies. The lower layer drifts with the device's tilt, one drift for every
// pool.

#include "container/Vector.h"
#include "engine/GameObject.h"
#include "math/Color.h"
#include "math/Polygon.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "video/RenderPass.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace mesh {
class Mesh;
class MeshDefinition;
} // namespace mesh

class Lava : public GameObject {
public:
  // The ball is heated inside or this near the outline.
  static constexpr float heatDistance = 4.5f;
  // The drift's speed is held to this.
  static constexpr float maxDriftSpeed = 0.2f;
  static constexpr uint32_t layerCount = 4;

  explicit Lava(Level &level);
  ~Lava() override;

  // Heat and death of the ball, then the bubbles.
  void update(float dt) override;
  // The centre of the bounds.
  math::Vector3 getPosition() const override;

  // The record of the level file and the snapshot: the outline, the
  // triangles into it and the bounds. False, the pool left empty, when the
  // record is cut short or a triangle index is past the outline.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
  // The level file holds the same record.
  bool readLevelRecord(file::ByteProducer &in) { return read(in); }
  void writeLevelRecord(file::ByteReceiver &out) const { write(out); }
  // The bounds from the outline's points.
  void recomputeBounds();
  void setOutline(const math::Points2D &outline, const container::Vector<uint16_t> &triangles);

  // One of the four layers: 0 the drifting lower texture (the caller sets
  // the texture matrix), 1 the upper texture, 2 the rim, 3 the bubbles.
  // Nothing for a pool of fewer than 3 points.
  void renderLayer(video::Canvas &canvas, uint32_t layer);
  // Whether the pool can enclose anything: 3 points or more.
  bool hasArea() const { return m_outline.size() >= 3; }

  // The random point of the pool where a bubble rises.
  math::Vector2 randomPoint() const;
  // round(width x height x 0.1) of the bounds.
  uint32_t allowedBubbles() const;
  uint32_t bubbleCount() const { return m_bubblePositions.size(); }
  const math::Vector2 &bubblePosition(uint32_t i) const { return m_bubblePositions[i]; }
  float bubbleSize(uint32_t i) const { return m_bubbleSizes[i]; }
  float bubbleTimer() const { return m_bubbleTimer; }

  const math::Points2D &outline() const { return m_outline; }
  const container::Vector<uint16_t> &triangles() const { return m_triangles; }
  const math::Rectangle &bounds() const { return m_bounds; }
  void setBounds(const math::Rectangle &bounds);
  bool meshDirty() const { return m_meshDirty; }

  // The shared drift, once a frame for all pools, from the device's
  // acceleration.
  static void updateDrift(const math::Vector3 &acceleration, float dt);
  static const math::Vector2 &drift() { return s_drift; }
  static const math::Vector2 &driftVelocity() { return s_driftVelocity; }
  static void resetDrift();

private:
  void updateBubbles(float dt);
  void addBubble();
  // Room for every bubble the bounds allow, so bubbling never allocates.
  void reserveBubbles();
  void rebuildMesh();

  mesh::MeshDefinition *m_meshDefinition;
  mesh::Mesh *m_mesh;
  bool m_meshDirty = true;
  math::Points2D m_outline;
  container::Vector<uint16_t> m_triangles;
  math::Rectangle m_bounds;
  container::Vector<math::Vector2> m_bubblePositions;
  container::Vector<float> m_bubbleSizes;
  container::Vector<float> m_bubbleMaxSizes;
  container::Vector<float> m_bubbleAges;
  container::Vector<float> m_bubbleLifetimes;
  container::Vector<math::PackedColor> m_bubbleColours;
  float m_bubbleTimer = 0.0f;
  video::RenderPass m_bubblePass;

  static math::Vector2 s_drift;
  static math::Vector2 s_driftVelocity;
};
