#pragma once
// The points of one power use gathered into one rising total: every block
// broken by that use (one break group) adds to the same drop, which shows the
// running total as text carried by a skeleton animation and restarts the
// animation with each addition.

#include "engine/GameObject.h"
#include "math/Spatial3D.h"
#include "xstring/String.h"

#include <cstdint>

namespace animation {
class Skeleton;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class GroupScoreDrop : public GameObject, public math::Spatial3D {
public:
  // x, y, group, points, dead.
  static constexpr uint32_t recordBytes = 4 + 4 + 2 + 4 + 1;

  // The creator sets the group, the points and the position.
  explicit GroupScoreDrop(Level &level) : GameObject(&level) {}

  // Nothing once dead; dies when older than its animation.
  void update(float dt) override;
  // The total, posed by the drop's skeleton at its age.
  void render(video::Canvas &canvas) override;
  math::Vector3 getPosition() const override { return position; }

  // The animation starts again; the drop stays where its first points were
  // earned.
  void addPoints(const math::Vector3 &where, uint32_t points);

  // The snapshot record: x, y, group, points, dead. The age is not kept.
  void write(file::ByteReceiver &out) const;
  // False, changing nothing, when the record is cut short.
  bool read(file::ByteProducer &in);

  uint32_t id() const { return m_group; }
  uint32_t group() const { return m_group; }
  void setGroup(uint32_t group) { m_group = group; }
  uint32_t points() const { return m_points; }
  void setPoints(uint32_t points) { m_points = points; }
  float age() const { return m_age; }
  // Seconds the animation runs: the total time of the skeleton.
  float animationTime();
  // The total as drawn, made again only when it changed.
  const String &text();

private:
  // The drop's skeleton from the store, looked up on first use.
  animation::Skeleton *skeleton();

  uint32_t m_group = 0;
  uint32_t m_points = 0;
  float m_age = 0.0f;
  animation::Skeleton *m_skeleton = nullptr;
  bool m_skeletonSought = false;
  String m_text;
  uint32_t m_shownPoints = 0;
};
