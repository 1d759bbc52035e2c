#include "audio/MusicPlayer.h"

#include "audio/Music.h"
#include "audio/MusicElement.h"
#include "audio/NamedDefinitions.h"

#include <algorithm>

namespace audio {

namespace {
MusicPlayer *theMusicPlayer = nullptr;
}

MusicPlayer &MusicPlayer::instance() {
  if (!theMusicPlayer)
    theMusicPlayer = new MusicPlayer;
  return *theMusicPlayer;
}

bool MusicPlayer::exists() { return theMusicPlayer != nullptr; }

void MusicPlayer::destroyInstance() {
  MusicPlayer *player = theMusicPlayer;
  theMusicPlayer = nullptr;
  delete player;
}

MusicPlayer::~MusicPlayer() { deleteAll(); }

void MusicPlayer::deleteAll() { deleteDefinitions(m_musics); }

bool MusicPlayer::load(const String &path, quip::ScriptManager &scripts) {
  return loadDefinitions(m_musics, path, scripts);
}

void MusicPlayer::start(Symbol name, bool fadeOthers, float fadeDuration) {
  Music *music = find(name);
  if (!music || (music->isActive() && !music->isFading()))
    return;
  for (uint32_t i = 0; i < m_musics.size(); ++i) {
    Music *other = m_musics[i];
    if (other == music || !other->isActive())
      continue;
    if (fadeOthers)
      other->fadeOutOver(fadeDuration);
    else
      other->stop();
  }
  music->start();
}

void MusicPlayer::stopAll() {
  for (uint32_t i = 0; i < m_musics.size(); ++i)
    m_musics[i]->stop();
}

void MusicPlayer::fadeOutAll(float duration) {
  for (uint32_t i = 0; i < m_musics.size(); ++i)
    m_musics[i]->fadeOutOver(duration);
}

void MusicPlayer::mute(float duration) {
  m_muted = true;
  m_muteElapsed = 0.0f;
  m_muteDuration = duration;
}

void MusicPlayer::update(float dt) {
  if (m_muted) {
    m_muteElapsed += dt;
    if (m_muteDuration >= 0.0f && m_muteElapsed >= m_muteDuration)
      unmute();
  }
  for (uint32_t i = 0; i < m_musics.size(); ++i)
    m_musics[i]->update(dt);
}

float MusicPlayer::level() const {
  float loudest = 0.0f;
  for (uint32_t i = 0; i < m_musics.size(); ++i) {
    const Music *music = m_musics[i];
    if (music->isActive() && music->current())
      loudest = std::max(loudest, music->current()->fadedVolume());
  }
  return loudest;
}

} // namespace audio
