#pragma once
// One bolt of the lightning power: a flickering line in the block colour
// from one block's cell to another's. It marks its target at once, strikes
// it half a second later (the target breaks quietly and, from the block the
// ball hit, passes the chain on once more), and fades out by one second.

#include "engine/GameObject.h"
#include "math/Spatial3D.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"
#include "video/RibbonRenderPass.h"

#include <cstdint>

class Block;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class BlockLightning : public GameObject, public math::Spatial3D {
public:
  static constexpr uint32_t pointCount = 5;
  // Seconds until the strike, and until a struck bolt has faded.
  static constexpr float strikeTime = 0.5f;
  static constexpr float lifetime = 1.0f;
  // Bolts of this depth pass the chain on no further.
  static constexpr unsigned lastDepth = 1;
  // x, y, age, struck, source, target, colour, group, depth, dead.
  static constexpr uint32_t recordBytes = 4 + 4 + 4 + 1 + 8 + 8 + 1 + 2 + 1 + 1;

  explicit BlockLightning(Level &level);

  // Nothing once dead. Flickers; strikes while the level is in play; dies
  // once struck and faded.
  void update(float dt) override;
  // The ribbon along the polyline, fading over the second half second.
  void render(video::Canvas &canvas) override;
  math::Vector3 getPosition() const override { return position; }

  // The block in the target cell, which must hold one, joins the group and
  // is electrified; the polyline is made and the colour's texture taken.
  void setup(const math::Vector2i &source, const math::Vector2i &target, unsigned color,
             unsigned group, unsigned depth);
  // Five points from the source cell to the target cell, the middle three
  // moved at random by up to one unit in x and y.
  void makePolyline();
  // 1 until the strike time, then falling to 0 at the lifetime.
  float alpha() const;

  void write(file::ByteReceiver &out) const;
  // False, changing nothing, when the record is cut short. A live bolt
  // whose target cell holds a block is set up again; one whose target cell
  // is empty keeps its fields and has no texture.
  bool read(file::ByteProducer &in);

  // The textures by colour index; 6 and beyond the plain line.
  static Symbol textureName(unsigned color);

  float age() const { return m_age; }
  bool struck() const { return m_struck; }
  const math::Vector2i &source() const { return m_source; }
  const math::Vector2i &target() const { return m_target; }
  unsigned color() const { return m_color; }
  unsigned group() const { return m_group; }
  unsigned depth() const { return m_depth; }
  const math::Vector3 &point(uint32_t i) const { return m_points[i]; }
  float flickerTime() const { return m_flickerTime; }
  const video::RibbonRenderPass &pass() const { return m_pass; }

private:
  // The live block in the target cell; null when none.
  Block *targetBlock() const;

  float m_age = 0.0f;
  bool m_struck = false;
  math::Vector2i m_source;
  math::Vector2i m_target;
  unsigned m_color = 6;
  math::Vector3 m_points[pointCount];
  video::RibbonRenderPass m_pass;
  float m_flickerTime = 0.0f;
  unsigned m_group = 0;
  unsigned m_depth = 0;
};
