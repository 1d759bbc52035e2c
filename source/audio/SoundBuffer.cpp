#include "audio/SoundBuffer.h"

#include "audio/Library.h"
#include "audio/Player.h"
#include "error/AssertHandler.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/ProducerSpan.h"
#include "file/TextBinary.h"
#include "platform/SDLRW.h"

#include <SDL_mixer.h>

namespace audio {

SoundBuffer::~SoundBuffer() {
  if (Player::exists())
    Player::instance().forgetBuffer(this);
  freeChunk();
}

void SoundBuffer::read(file::ByteProducer &in) {
  file::read(m_name, in);
  file::read(m_offset, in);
  file::read(m_size, in);
  unsigned char layout = 3;
  file::read(layout, in);
  m_layout = layout;
}

void SoundBuffer::write(file::ByteReceiver &out) const {
  file::write(m_name, out);
  file::write(m_offset, out);
  file::write(m_size, out);
  file::write((unsigned char)m_layout, out);
}

Mix_Chunk *SoundBuffer::chunk() {
  if (m_chunk)
    return m_chunk;
  Library *library = m_database ? Library::of(*m_database, false) : nullptr;
  SDLRW *bank = library ? library->bank() : nullptr;
  if (bank && bank->hasRW()) {
    // The decoder reads from the bank's position, which the range sets.
    file::ProducerSpan range(*bank, m_offset, m_offset + m_size);
    bank->clearOverrun();
    range.seekToStart();
    if (!bank->overrun())
      m_chunk = Mix_LoadWAV_RW(bank->rw(), 0);
  }
  if (!m_chunk && !m_reported) {
    m_reported = true;
    framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, L"chunk",
                             String(L"Sound does not decode: ") + m_name.toString() + L" (" +
                                 String::fromUtf8(Mix_GetError()) + L")");
  }
  return m_chunk;
}

void SoundBuffer::freeChunk() {
  if (m_chunk)
    Mix_FreeChunk(m_chunk);
  m_chunk = nullptr;
}

} // namespace audio
