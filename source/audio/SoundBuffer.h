#pragma once
// One sound of the sound bank: its directory record and, once played, the
// mixer chunk decoded from the open bank. Chunks can be freed and are
// decoded again on their next use.

#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "file/NonCopyable.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Database;
struct Mix_Chunk;

namespace audio {

class SoundBuffer : private NonCopyable {
public:
  explicit SoundBuffer(Database *database) : m_database(database) {}
  // No sound of the player keeps playing it.
  ~SoundBuffer();

  // The directory record, name first.
  void read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;

  // Decodes from the database's open bank on first use; null (reported
  // once, with the name) when the sound does not decode.
  Mix_Chunk *chunk();
  bool loadChunk() { return chunk() != nullptr; }
  void freeChunk();
  bool hasChunk() const { return m_chunk != nullptr; }

  Symbol name() const { return m_name; }
  void setName(Symbol name) { m_name = name; }
  uint32_t offset() const { return m_offset; }
  uint32_t size() const { return m_size; }
  uint32_t layout() const { return m_layout; }
  void setRecord(uint32_t offset, uint32_t size, uint32_t layout) {
    m_offset = offset;
    m_size = size;
    m_layout = layout;
  }
  Database *database() const { return m_database; }

private:
  Database *m_database;
  Symbol m_name;
  Mix_Chunk *m_chunk = nullptr;
  uint32_t m_offset = 0;
  uint32_t m_size = 0;
  uint32_t m_layout = 3;
  bool m_reported = false;
};

} // namespace audio
