#pragma once
// A named drawable that owns short-lived drawables (drops, particle systems,
// effects): it updates and draws them in the order they were added and
// deletes each after the update in which it reports finished.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "video/Renderable.h"
#include "xstring/Symbol.h"

namespace video {

class RenderGroup : public Renderable {
public:
  explicit RenderGroup(Symbol name);
  RenderGroup(const RenderGroup &) = delete;
  RenderGroup &operator=(const RenderGroup &) = delete;
  ~RenderGroup() override;

  Symbol name() const { return m_name; }
  // The group takes ownership.
  void addRenderable(RenderableObject *child);
  void update(float dt) override;
  void render(Canvas &canvas) override;
  // Deletes every child.
  void clear();

  uint32_t size() const { return m_children.size(); }
  RenderableObject *childAt(uint32_t index) const { return m_children[index]; }

private:
  Symbol m_name;
  container::Vector<RenderableObject *> m_children;
};

// The process-wide table of render groups by name; it does not own them.
class RenderGroupTable {
public:
  static RenderGroupTable &instance();
  // Deletes the table, not the groups.
  static void destroyInstance();
  static bool exists();

  // A group of the same name already in the table is replaced, not deleted.
  void add(RenderGroup *group);
  // True when an entry of the group's name was there.
  bool remove(RenderGroup *group);
  RenderGroup *find(Symbol name) const;

  const container::HashTable<Symbol, RenderGroup *> &table() const { return m_table; }

private:
  RenderGroupTable() = default;

  container::HashTable<Symbol, RenderGroup *> m_table;
};

} // namespace video
