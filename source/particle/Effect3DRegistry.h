#pragma once
// The named lists of 3-D effects of a level in play, kept in the order they
// were added; written to and read from the level's saved game.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Effect3DList;
namespace video {
class Canvas;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Effect3DRegistry {
public:
  Effect3DRegistry() = default;
  Effect3DRegistry(const Effect3DRegistry &) = delete;
  Effect3DRegistry &operator=(const Effect3DRegistry &) = delete;
  ~Effect3DRegistry() { clear(); }

  // A new empty list filed under the name.
  Effect3DList *addList(Symbol name);
  uint32_t listCount() const { return m_lists.size(); }
  Effect3DList *list(uint32_t index) const { return m_lists[index]; }
  Symbol listName(uint32_t index) const { return m_names[index]; }
  // Null when absent.
  Effect3DList *list(Symbol name) const;
  bool contains(Symbol name) const { return m_table.contains(name); }
  void update(float dt);
  void render(video::Canvas &canvas);
  // Destroys every list and effect.
  void clear();

  // A u16 count of lists, then each list's name and the list.
  void serialize(file::ByteReceiver &out) const;
  // Clears first; false (reported) for a record that is cut short, keeping
  // what was read before it.
  bool deserialize(file::ByteProducer &in);

private:
  container::HashTable<Symbol, Effect3DList *> m_table;
  container::Vector<Effect3DList *> m_lists;
  container::Vector<Symbol> m_names;
};
