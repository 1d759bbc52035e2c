#pragma once
// A ribbon through the recent positions of a moving point; each point
// expires once it is older than the lifetime.

#include "container/Vector.h"
#include "math/Vector3.h"
#include "video/RibbonRenderPass.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace video {
class Canvas;
}

class Trail {
public:
  explicit Trail(float lifetime) : m_lifetime(lifetime) {}

  void addPoint(const math::Vector3 &point);
  // Advances the clock and drops the points past the lifetime.
  void update(float dt);
  void clear();
  // The ribbon through the taken points, with the trail's pass.
  void render(video::Canvas &canvas);

  // The points the ribbon goes through, newest first: the newest and the
  // oldest always, between them every point i with i + 1 a multiple of the
  // stride.
  void takePoints(container::Vector<math::Vector3> &taken) const;

  // The clock and the points: lifetime, stride and the pass are not stored.
  void write(file::ByteReceiver &out) const;
  // Replaces the points (each at z 0). False, with no points, when the
  // record is cut short or claims more points than its bytes hold.
  bool read(file::ByteProducer &in);

  float clock() const { return m_clock; }
  float lifetime() const { return m_lifetime; }
  uint32_t stride() const { return m_stride; }
  // A stride of 0 counts as 1.
  void setStride(uint32_t stride) { m_stride = stride == 0 ? 1 : stride; }
  video::RibbonRenderPass &pass() { return m_pass; }
  uint32_t pointCount() const { return m_points.size(); }
  const math::Vector3 &point(uint32_t i) const { return m_points[i]; }
  float time(uint32_t i) const { return m_times[i]; }

private:
  float m_clock = 0.0f;
  float m_lifetime;
  uint32_t m_stride = 1;
  video::RibbonRenderPass m_pass;
  container::Vector<math::Vector3> m_points;
  // The clock when each point was added.
  container::Vector<float> m_times;
  // Kept from frame to frame.
  container::Vector<math::Vector3> m_taken;
};
