#include "audio/Library.h"

#include "audio/Player.h"
#include "error/AssertHandler.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "platform/SDLRW.h"

namespace audio {

namespace {

Library::Finder g_finder = nullptr;

void warn(int line, const String &text) {
  framework::reportWarning(error::sourcePath(__FILE__).c_str(), line, L"loadSoundBank", text);
}

} // namespace

void Library::setFinder(Finder finder) { g_finder = finder; }

Library *Library::of(Database &database, bool make) {
  return g_finder ? g_finder(database, make) : nullptr;
}

Library::~Library() {
  delete m_bank;
  m_bank = nullptr;
  for (uint32_t i = 0; i < m_buffers.size(); ++i)
    delete m_buffers[i];
  m_buffers.clear();
}

bool Library::loadSoundBank(const String &path) {
  delete m_bank;
  m_bank = new SDLRW;
  if (!m_bank->open(path, String(L"rb"))) {
    warn(__LINE__, String(L"Sound bank cannot be opened: '") + path + L"'; no sounds will play.");
    return false;
  }
  SDLRW &in = *m_bank;
  const uint32_t length = in.length();
  uint32_t count = 0;
  file::read(count, in);
  bool damaged = in.overrun();
  // Each record takes bytes, so a count larger than the file ends with them.
  for (uint32_t i = 0; i < count && !damaged && in.bytesRemaining() > 0; ++i) {
    SoundBuffer *buffer = new SoundBuffer(m_database);
    buffer->read(in);
    uint64_t end = uint64_t(buffer->offset()) + buffer->size();
    if (in.overrun() || end > length || buffer->offset() < in.tell()) {
      delete buffer;
      damaged = true;
      if (in.overrun())
        break;
      continue;
    }
    addSoundBuffer(buffer);
  }
  if (damaged)
    warn(__LINE__,
         String(L"Sound bank ") + path + L" is damaged: records that lie outside it were dropped.");
  in.clearOverrun();
  return true;
}

void Library::addSoundBuffer(SoundBuffer *buffer) {
  Symbol name = buffer->name();
  if (SoundBuffer **held = m_buffers.lookup(name)) {
    SoundBuffer *old = *held;
    if (old == buffer)
      return;
    old->freeChunk();
    m_buffers.removeOrdered(name);
    delete old;
  }
  m_buffers.add(name, buffer);
}

SoundBuffer *Library::lookup(Symbol name) const { return m_buffers.get(name); }

container::Vector<Symbol> Library::findNames(const String &filter) const {
  container::Vector<Symbol> names;
  for (uint32_t i = 0; i < m_buffers.size(); ++i)
    names.push(m_buffers[i]->name());
  filterSymbols(names, filter);
  sortSymbols(names);
  return names;
}

void Library::freeUnusedChunks() {
  const bool player = Player::exists();
  for (uint32_t i = 0; i < m_buffers.size(); ++i)
    if (!player || !Player::instance().isPlayingBuffer(m_buffers[i]))
      m_buffers[i]->freeChunk();
}

file::ByteProducer *Library::bankStream() { return m_bank; }

} // namespace audio
