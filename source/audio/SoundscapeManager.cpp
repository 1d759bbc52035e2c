#include "audio/SoundscapeManager.h"

#include "audio/Soundscape.h"
#include "quip/ScriptManager.h"

namespace audio {

namespace {
SoundscapeManager *theManager = nullptr;
const float switchFade = 3.0f;
} // namespace

SoundscapeManager &SoundscapeManager::instance() {
  if (!theManager)
    theManager = new SoundscapeManager;
  return *theManager;
}

bool SoundscapeManager::exists() { return theManager != nullptr; }

void SoundscapeManager::destroyInstance() {
  SoundscapeManager *manager = theManager;
  theManager = nullptr;
  delete manager;
}

SoundscapeManager::~SoundscapeManager() { deleteAll(); }

void SoundscapeManager::deleteAll() {
  for (uint32_t i = 0; i < m_soundscapes.size(); ++i)
    delete m_soundscapes[i];
  m_soundscapes.clear();
}

bool SoundscapeManager::load(const String &path, quip::ScriptManager &scripts) {
  deleteAll();
  quip::Token result = scripts.evaluateFile(path);
  if (!result.isArray())
    return false;
  const quip::Array &list = result.array();
  for (uint32_t i = 0; i < list.count(); ++i) {
    if (!list[i].isDictionary())
      continue;
    auto *soundscape = new Soundscape;
    soundscape->read(list[i].dictionary());
    // A later definition of a name replaces the earlier one.
    if (m_soundscapes.contains(soundscape->name()))
      delete m_soundscapes.removeOrdered(soundscape->name());
    m_soundscapes.add(soundscape->name(), soundscape);
  }
  return true;
}

void SoundscapeManager::update(float dt) {
  for (uint32_t i = 0; i < m_soundscapes.size(); ++i)
    m_soundscapes[i]->update(dt);
}

void SoundscapeManager::start(Symbol name) {
  if (Soundscape *soundscape = find(name))
    soundscape->start();
}

void SoundscapeManager::fadeOut(Symbol name, float duration) {
  if (Soundscape *soundscape = find(name))
    soundscape->fadeOutOver(duration);
}

void SoundscapeManager::fadeOutAll(float duration) {
  for (uint32_t i = 0; i < m_soundscapes.size(); ++i)
    m_soundscapes[i]->fadeOutOver(duration);
}

void SoundscapeManager::switchTo(Symbol name) {
  start(name);
  for (uint32_t i = 0; i < m_soundscapes.size(); ++i)
    if (m_soundscapes[i]->name() != name)
      m_soundscapes[i]->fadeOutOver(switchFade);
}

container::Vector<Symbol> SoundscapeManager::findNames(const String &filter) const {
  container::Vector<Symbol> names;
  for (uint32_t i = 0; i < m_soundscapes.size(); ++i)
    names.push(m_soundscapes[i]->name());
  filterSymbols(names, filter);
  sortSymbols(names);
  return names;
}

} // namespace audio
