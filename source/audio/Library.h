#pragma once
// The sounds of a database: the sound bank's directory, read once, with the
// bank kept open so that each sound decodes from it when first played. A
// bank that is missing or damaged is reported; what can be used of it is
// kept and the rest plays nothing.

#include "audio/SoundBuffer.h"
#include "container/ListTable.h"
#include "file/NonCopyable.h"
#include "xstring/String.h"

class Database;
class SDLRW;

namespace audio {

class Library : private NonCopyable {
public:
  explicit Library(Database *database) : m_database(database) {}
  // The bank, then every buffer with its chunk.
  ~Library();

  // Replaces the open bank and adds its records (a name already held is
  // replaced). False, reported, when the bank does not open; a damaged
  // directory keeps the records that lie inside the bank.
  bool loadSoundBank(const String &path);
  // A different buffer of the same name is freed and deleted first.
  void addSoundBuffer(SoundBuffer *buffer);
  SoundBuffer *lookup(Symbol name) const;
  bool contains(Symbol name) const { return m_buffers.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const;
  // Every chunk that the player neither plays nor has queued.
  void freeUnusedChunks();

  file::ByteProducer *bankStream();
  SDLRW *bank() const { return m_bank; }
  uint32_t count() const { return m_buffers.size(); }
  SoundBuffer *at(uint32_t i) const { return m_buffers[i]; }
  Database *database() const { return m_database; }

  // The library of a database: the framework installs the finder (which
  // makes one when asked to); null without one.
  using Finder = Library *(*)(Database &database, bool make);
  static void setFinder(Finder finder);
  static Library *of(Database &database, bool make);

private:
  Database *m_database;
  container::ListTable<Symbol, SoundBuffer *> m_buffers;
  SDLRW *m_bank = nullptr;
};

} // namespace audio
