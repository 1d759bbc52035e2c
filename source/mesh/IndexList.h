#pragma once
// A list of 16-bit vertex indices drawn as one triangle strip or fan, with
// the buffer object that keeps it on the GL side once drawn.

#include "container/Vector.h"
#include "file/NonCopyable.h"

#include <cstdint>

namespace video {
class BufferObject;
}

namespace mesh {

class IndexList : public NonCopyable {
public:
  // A primitive of the vertex renderer: strip or fan.
  explicit IndexList(uint32_t primitive);
  // Destroys the element buffer through the pool.
  ~IndexList();

  // Sets the number of indices; the new ones are 0 until set.
  void resize(uint32_t count);
  uint32_t count() const { return m_indices.size(); }
  unsigned short &operator[](uint32_t i) { return m_indices[i]; }
  unsigned short operator[](uint32_t i) const { return m_indices[i]; }
  const unsigned short *data() const { return m_indices.data(); }
  // Drops the element buffer's GL name; the next draw uploads again.
  void releaseBuffer();

  uint32_t primitive;
  // Made by the canvas on the first draw; null until then.
  video::BufferObject *elementBuffer = nullptr;

private:
  container::Vector<unsigned short> m_indices;
};

} // namespace mesh
