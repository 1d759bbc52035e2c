#pragma once
// An owned list of 3-D effects, updated and drawn in order; an effect is
// removed and destroyed by the update in which it finishes.

#include "container/Vector.h"

#include <cstdint>

class Effect3D;
namespace video {
class Canvas;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Effect3DList {
public:
  Effect3DList() = default;
  Effect3DList(const Effect3DList &) = delete;
  Effect3DList &operator=(const Effect3DList &) = delete;
  ~Effect3DList() { clear(); }

  // Takes ownership.
  void add(Effect3D *effect) { m_effects.push(effect); }
  uint32_t count() const { return m_effects.size(); }
  Effect3D *at(uint32_t index) const { return m_effects[index]; }
  void update(float dt);
  void render(video::Canvas &canvas);
  void clear();

  // A u16 count, then the effects (at most 65535 are written).
  void serialize(file::ByteReceiver &out) const;
  // Empties the list first; false (reported) for a record that is cut short,
  // keeping the effects read before it.
  bool deserialize(file::ByteProducer &in);

private:
  container::Vector<Effect3D *> m_effects;
};
