#pragma once
// Puffs of smoke left behind a moving point: ten a second while emitting,
// each growing to the level's sprite size and fading out within a second.

#include "container/Vector.h"
#include "math/Color.h"
#include "math/Spatial3D.h"
#include "math/Vector2.h"
#include "video/RenderPass.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace video {

class Canvas;

class SmokeSystem : public math::Spatial3D {
public:
  // Puffs grow to spriteSize, the level's on-screen sprite size.
  void update(float dt, float spriteSize);
  void render(Canvas &canvas);
  // No puffs; the next puff comes at the next update.
  void clear();

  void write(file::ByteReceiver &out) const;
  // False, with no puffs, when the record is cut short or claims more puffs
  // than its bytes hold.
  bool read(file::ByteProducer &in);

  uint32_t puffCount() const { return m_points.size(); }
  const math::Vector2 &puffPoint(uint32_t i) const { return m_points[i]; }
  float puffSize(uint32_t i) const { return m_sizes[i]; }
  float puffAge(uint32_t i) const { return m_ages[i]; }
  const math::PackedColor &puffColour(uint32_t i) const { return m_colours[i]; }

  // Existing puffs fade out on their own when it is cleared.
  bool emitting = true;
  float emitTimer = 0.0f;

private:
  void removePuff(uint32_t i);

  // One entry per puff in each.
  container::Vector<math::Vector2> m_points;
  container::Vector<float> m_sizes;
  container::Vector<float> m_ages;
  container::Vector<math::PackedColor> m_colours;
  RenderPass m_pass;
};

} // namespace video
