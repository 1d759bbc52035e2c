#pragma once
// GL buffer objects for static vertex and index data. All of them live in one
// pool so that their GL names can be dropped together when the GL context is
// replaced; each user then generates and fills its buffer again on its next
// draw.

#include "container/Vector.h"

#include <cstddef>
#include <cstdint>

namespace video {

class BufferObject {
public:
  BufferObject() = default;
  BufferObject(const BufferObject &) = delete;
  BufferObject &operator=(const BufferObject &) = delete;
  ~BufferObject() { release(); }

  enum Target { ARRAY = 0x8892, ELEMENTS = 0x8893 };

  void generate();
  // Static data for the target: generated first when there is no name yet,
  // bound, filled, and the target's binding back to none. False without
  // buffer objects.
  bool fill(Target target, const void *data, size_t bytes);
  // Deletes the GL name, if any.
  void release();
  uint32_t name() const { return m_name; }

private:
  uint32_t m_name = 0;
};

class BufferObjectPool {
public:
  static BufferObjectPool &instance();
  // Deletes the pool, not its objects.
  static void destroyInstance();

  // A new object without a GL name yet, owned by the pool.
  BufferObject *create();
  // Removes, releases and deletes the object; nothing when it is not here.
  void destroy(BufferObject *object);
  // Every object drops its GL name and stays in the pool.
  void releaseAll();
  uint32_t size() const { return m_objects.size(); }

private:
  container::Vector<BufferObject *> m_objects;
};

} // namespace video
