#pragma once
// A named image that the canvas binds when it draws. Listed textures are
// created from their record in the texture file and read their image from it
// on first draw; others are made from a pixel buffer at run time.

#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "file/NonCopyable.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Database;
class TextureManager;
class TextureSimple;

class Texture : private NonCopyable {
public:
  enum Kind : uint32_t { SIMPLE, ANIMATED };

  explicit Texture(Database *database) : m_database(database) {}
  // The render state forgets it, so that no later texture made at the same
  // address is taken for it.
  virtual ~Texture();

  virtual uint32_t kind() const = 0;
  // The record of the texture file; the base reads and writes the name.
  virtual void read(file::ByteProducer &in);
  virtual void write(file::ByteReceiver &out) const;
  virtual void advanceFrame() {}
  // Makes sure the texture is in OpenGL.
  virtual void load() {}
  // The simple texture to draw now; null when there is none.
  virtual TextureSimple *currentFrame() = 0;
  virtual void unload() = 0;
  virtual void reload() = 0;

  Symbol name() const { return m_name; }
  void setName(Symbol name) { m_name = name; }
  Database *database() const { return m_database; }
  bool placeholder() const { return m_placeholder; }
  void setPlaceholder(bool placeholder) { m_placeholder = placeholder; }
  // The manager that holds it (set when added), through which it reads the
  // texture file.
  TextureManager *manager() const { return m_manager; }
  void setManager(TextureManager *manager) { m_manager = manager; }

private:
  Symbol m_name;
  Database *m_database;
  bool m_placeholder = false;
  TextureManager *m_manager = nullptr;
};
