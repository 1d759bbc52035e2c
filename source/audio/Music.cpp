#include "audio/Music.h"

#include "audio/MusicElement.h"
#include "audio/Player.h"
#include "math/Random.h"
#include "quip/Token.h"

#include <algorithm>

namespace audio {

Music::~Music() {
  stop();
  deleteElements();
}

void Music::deleteElements() {
  for (uint32_t i = 0; i < m_elements.size(); ++i)
    delete m_elements[i];
  m_elements.clear();
}

void Music::read(const quip::Dictionary &d) {
  static const Symbol nameKey = Symbol::intern(L"name");
  static const Symbol silenceKey = Symbol::intern(L"silenceRange");
  static const Symbol elementsKey = Symbol::intern(L"elements");
  if (const quip::Token *value = d.lookup(nameKey))
    value->get(m_name);
  if (const quip::Token *value = d.lookup(silenceKey))
    value->get(silenceRange);
  if (const quip::Token *value = d.lookup(elementsKey); value && value->isArray()) {
    stop();
    deleteElements();
    const quip::Array &list = value->array();
    for (uint32_t i = 0; i < list.count(); ++i) {
      if (!list[i].isDictionary())
        continue;
      auto *element = new MusicElement(this);
      element->read(list[i].dictionary());
      m_elements.push(element);
    }
    // Room for every candidate, so that choosing one allocates nothing.
    m_candidates.reserve(m_elements.size());
  }
  m_current = nullptr;
  m_last = nullptr;
}

void Music::playRandom(const container::Vector<MusicElement *> &candidates) {
  m_current = candidates[uint32_t(Random::globalNext()) % candidates.size()];
  m_current->play();
}

void Music::start() {
  if (m_elements.isEmpty())
    return;
  if (!m_active)
    playRandom(m_elements);
  m_active = true;
  m_fading = false;
}

void Music::stop() {
  if (!m_active)
    return;
  if (m_current && Player::exists())
    Player::instance().stopSound(m_current->soundId());
  m_current = nullptr;
  m_active = false;
  m_fading = false;
}

void Music::fadeOutOver(float duration) {
  if (!m_active || m_fading)
    return;
  m_fading = true;
  m_fadeDuration = duration;
  m_fadeElapsed = 0.0f;
}

float Music::fadeFactor() const {
  if (!m_fading)
    return 1.0f;
  if (m_fadeDuration <= 0.0f)
    return 0.0f;
  return 1.0f - std::min(m_fadeElapsed / m_fadeDuration, 1.0f);
}

void Music::update(float dt) {
  if (!m_active)
    return;
  if (m_fading) {
    m_fadeElapsed += dt;
    if (m_fadeElapsed > m_fadeDuration) {
      stop();
      return;
    }
  }
  if (m_elements.isEmpty())
    return;
  if (m_current) {
    m_current->update(dt);
    if (!m_current->isPlaying()) {
      m_last = m_current;
      m_current = nullptr;
      m_silence = silenceRange.random();
    }
    if (m_current)
      return;
  }
  m_silence -= dt;
  if (m_silence > 0.0f)
    return;
  m_candidates.clear();
  for (uint32_t i = 0; i < m_elements.size(); ++i)
    if (m_elements[i] != m_last || m_last->allowRepeat)
      m_candidates.push(m_elements[i]);
  if (!m_candidates.isEmpty())
    playRandom(m_candidates);
}

} // namespace audio
