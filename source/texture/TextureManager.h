#pragma once
// The textures of one database by name, in the order they were added, with
// the open texture file their images are read from on first draw. A missing
// name gets a magenta placeholder, reported once.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "file/BufferBinary.h"
#include "file/FileWrapper.h"
#include "file/NonCopyable.h"
#include "surface/PixelBuffer.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class Database;
class Texture;

class TextureManager : private NonCopyable {
public:
  explicit TextureManager(Database *database);
  ~TextureManager();

  // The named texture, or a new 8 x 8 magenta placeholder for a name it does
  // not hold (reported when warnMissing is set).
  Texture *getTexture(Symbol name);
  // Null for a name it does not hold.
  Texture *find(Symbol name) const;
  bool contains(Symbol name) const { return find(name) != nullptr; }
  // Every name holding each word of the filter, sorted by text.
  container::Vector<Symbol> findNames(const String &filter) const;
  // A different texture of the same name is deleted first.
  void addTexture(Texture *texture);
  void removeTexture(Symbol name);
  uint32_t count() const { return m_order.size(); }
  Texture *at(uint32_t i) const { return m_order[i]; }

  // Reads the directory of the texture file and keeps it open. A file that
  // cannot be opened is reported and leaves no textures; a directory that
  // runs past the file is reported and keeps what was read. False then.
  bool loadMonolith(const String &path);
  // Writes the directory of the given textures (simple ones first) as the
  // texture file's head.
  static void writeDirectory(const container::Vector<Texture *> &textures, file::ByteReceiver &out);

  // Every animated texture advances one frame.
  void update();
  void unloadAll();
  void reserveBuffer(uint32_t bytes) { m_readBuffer.reserve(bytes); }
  void releaseBuffers();

  bool warnMissing = true;
  Database *database() const { return m_database; }
  file::FileWrapper &monolith() { return m_monolith; }
  file::BufferBinary &readBuffer() { return m_readBuffer; }
  PixelBuffer &sharedPixels() { return m_sharedPixels; }

  // The texture manager of a database: through the finder the framework
  // installs (which makes it on first use), else the live manager made for
  // that database, else null.
  using Finder = TextureManager *(*)(const Database &database);
  static void setFinder(Finder finder);
  static TextureManager *of(const Database &database);

private:
  void deleteAll();

  Database *m_database;
  container::Vector<Texture *> m_order;
  container::HashTable<Symbol, Texture *> m_table;
  file::FileWrapper m_monolith;
  file::BufferBinary m_readBuffer;
  PixelBuffer m_sharedPixels;
};
