// The engine's fields of a saved game and the level in play.

#include "engine/Engine.h"
#include "engine/Level.h"
#include "engine/PageCalls.h"
#include "file/BinaryPrimitives.h"
#include "screen/ScreenRegistry.h"

namespace {

// State, state time, mode, new record, level present.
constexpr uint32_t fieldBytes = 1 + 4 + 1 + 1 + 1;

} // namespace

Engine::Snapshot::~Snapshot() { delete level; }

void Engine::writeSnapshot(file::ByteReceiver &out) const {
  file::write(uint8_t(m_state), out);
  file::write(m_stateTime, out);
  file::write(uint8_t(m_mode), out);
  file::write(m_newRecord, out);
  file::write(m_level != nullptr, out);
  if (m_level)
    m_level->writeState(out);
}

bool Engine::readSnapshot(file::ByteProducer &in, Snapshot &snapshot) {
  if (in.bytesRemaining() < fieldBytes)
    return false;
  uint8_t state, mode;
  bool levelPresent;
  file::read(state, in);
  file::read(snapshot.stateTime, in);
  file::read(mode, in);
  file::read(snapshot.newRecord, in);
  file::read(levelPresent, in);
  if (state == 3 || state > IDLE || mode > NO_MODE)
    return false;
  snapshot.state = state;
  snapshot.mode = mode;
  delete snapshot.level;
  snapshot.level = nullptr;
  if (!levelPresent)
    return true;
  snapshot.level = makeLevel();
  if (!snapshot.level->readState(in)) {
    delete snapshot.level;
    snapshot.level = nullptr;
    return false;
  }
  return true;
}

void Engine::applySnapshot(Snapshot &snapshot) {
  m_state = snapshot.state;
  m_stateTime = snapshot.stateTime;
  m_mode = snapshot.mode;
  m_newRecord = snapshot.newRecord;
  GameEngine::reset();
  delete m_level;
  m_level = snapshot.level;
  snapshot.level = nullptr;
  if (m_level)
    m_level->start();
  m_levelFileLoaded = false;
}

void Engine::afterSnapshotRead() {
  static const Symbol game = SYM(L"game");
  if (screen::ScreenRegistry::instance().currentScreenName() != game)
    return;
  if (m_state == PLAYING && m_level && m_level->state() != Level::TUTORIAL)
    enterPage(SYM(L"pause"));
}
