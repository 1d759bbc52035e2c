#pragma once
// Run-time textures of a size and pixel format, handed out and taken back
// for reuse. Each is registered in the texture manager under the pool's name
// and a number, so it draws by name; the manager owns them.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Database;
class TextureSimple;

class TexturePool : private NonCopyable {
public:
  TexturePool(Database *database, const String &name);

  // A free texture of that size, format and image state, else a new one
  // named name + the count of textures the pool holds.
  TextureSimple *acquire(uint32_t size, uint32_t pixelFormat, bool withPixels);
  void release(TextureSimple *texture);
  // A copy of the named texture's image with hue, saturation and value
  // shifted (and alpha premultiplied on request).
  TextureSimple *makeAdjusted(Symbol source, float hueShift, float saturationShift,
                              float valueShift, bool premultiply);

  const String &name() const { return m_name; }
  uint32_t inUseCount() const { return m_inUse.size(); }
  uint32_t freeCount() const { return m_free.size(); }

private:
  Database *m_database;
  String m_name;
  container::Vector<TextureSimple *> m_inUse;
  container::Vector<TextureSimple *> m_free;
};
