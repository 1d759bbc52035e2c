#include "audio/SoundscapeManager.h"

#include "audio/NamedDefinitions.h"
#include "audio/Soundscape.h"

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

void SoundscapeManager::deleteAll() { deleteDefinitions(m_soundscapes); }

bool SoundscapeManager::load(const String &path, quip::ScriptManager &scripts) {
  return loadDefinitions(m_soundscapes, path, scripts);
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
  select(name);
}

void SoundscapeManager::select(Symbol name) {
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
