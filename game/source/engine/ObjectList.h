#pragma once
// One kind of the level's objects, owned, in insertion order. Index
// arguments are not checked: callers stay below the size. The update drops
// the dead in place, so an object appended during the pass is reached in
// the same pass and none is skipped.

#include "container/Vector.h"
#include "engine/GameObject.h"
#include "math/Random.h"

#include <cstdint>

template <typename T> class ObjectList {
public:
  ObjectList() = default;
  ObjectList(const ObjectList &) = delete;
  ObjectList &operator=(const ObjectList &) = delete;
  ~ObjectList() { deleteAll(); }

  uint32_t size() const { return m_items.size(); }
  bool isEmpty() const { return m_items.isEmpty(); }
  T *at(uint32_t i) const { return m_items[i]; }
  T *operator[](uint32_t i) const { return m_items[i]; }
  T *last() const { return m_items.last(); }
  void append(T *object) { m_items.push(object); }
  T *pop() { return m_items.pop(); }
  // The objects after it move down one place.
  T *removeAt(uint32_t i) { return m_items.removeAt(i); }
  // Forgets the objects without deleting them.
  void clear() { m_items.clear(); }
  // Deletes every object as a whole and frees the storage.
  void deleteAll() {
    for (T *object : m_items)
      delete object;
    m_items.release();
  }

  // Each object is updated through its game-object side; one that is then
  // dead is removed, keeping the order, and deleted, and the index stays.
  void update(float dt) {
    uint32_t i = 0;
    while (i < m_items.size()) {
      GameObject *object = m_items[i];
      object->update(dt);
      if (object->isDead())
        delete m_items.removeAt(i);
      else
        ++i;
    }
  }

  // Every object, in order, back to how a new ball finds it.
  void resetAll() {
    for (T *object : m_items)
      static_cast<GameObject *>(object)->reset();
  }

  // From the process-wide random stream. The list must not be empty.
  T *randomElement() const { return m_items[uint32_t(Random::globalNext()) % m_items.size()]; }

  T **begin() { return m_items.begin(); }
  T **end() { return m_items.end(); }
  T *const *begin() const { return m_items.begin(); }
  T *const *end() const { return m_items.end(); }

private:
  container::Vector<T *> m_items;
};
