#include "audio/Soundscape.h"

#include "audio/SoundscapeSound.h"
#include "quip/Token.h"

#include <algorithm>

namespace audio {

Soundscape::~Soundscape() { deleteSounds(); }

void Soundscape::deleteSounds() {
  for (uint32_t i = 0; i < m_sounds.size(); ++i)
    delete m_sounds[i];
  m_sounds.clear();
}

void Soundscape::read(const quip::Dictionary &d) {
  static const Symbol nameKey = Symbol::intern(L"name");
  static const Symbol trackKey = Symbol::intern(L"trackMusicVolume");
  static const Symbol soundsKey = Symbol::intern(L"sounds");
  if (const quip::Token *value = d.lookup(nameKey))
    value->get(m_name);
  if (const quip::Token *value = d.lookup(trackKey))
    value->get(trackMusicVolume);
  if (const quip::Token *value = d.lookup(soundsKey); value && value->isArray()) {
    deleteSounds();
    const quip::Array &list = value->array();
    for (uint32_t i = 0; i < list.count(); ++i) {
      if (!list[i].isDictionary())
        continue;
      auto *sound = new SoundscapeSound(this);
      sound->read(list[i].dictionary());
      m_sounds.push(sound);
    }
  }
}

void Soundscape::start() {
  if (!m_active)
    for (uint32_t i = 0; i < m_sounds.size(); ++i)
      if (m_sounds[i]->immediateStart)
        m_sounds[i]->play();
  m_active = true;
  m_fading = false;
}

void Soundscape::fadeOutOver(float duration) {
  if (!m_active || m_fading)
    return;
  m_fading = true;
  m_fadeDuration = duration;
  m_fadeElapsed = 0.0f;
}

void Soundscape::reset() {
  for (uint32_t i = 0; i < m_sounds.size(); ++i)
    m_sounds[i]->reset();
  m_active = false;
  m_fading = false;
  m_fadeDuration = 0.0f;
  m_fadeElapsed = 0.0f;
}

void Soundscape::update(float dt) {
  if (!m_active)
    return;
  if (m_fading) {
    m_fadeElapsed += dt;
    if (m_fadeElapsed > m_fadeDuration) {
      reset();
      return;
    }
  }
  for (uint32_t i = 0; i < m_sounds.size(); ++i)
    m_sounds[i]->update(dt);
}

float Soundscape::fadeFactor() const {
  if (!m_fading)
    return 1.0f;
  if (m_fadeDuration <= 0.0f)
    return 0.0f;
  return 1.0f - std::min(m_fadeElapsed / m_fadeDuration, 1.0f);
}

} // namespace audio
