#include "audio/SoundscapeSound.h"

#include "audio/MusicPlayer.h"
#include "audio/Player.h"
#include "audio/Soundscape.h"
#include "file/Database.h"
#include "math/Random.h"
#include "quip/Token.h"

namespace audio {

namespace {

template <typename T> void readKey(const quip::Dictionary &d, const wchar_t *key, T &field) {
  if (const quip::Token *value = d.lookup(Symbol::intern(key)))
    value->get(field);
}

} // namespace

SoundscapeSound::~SoundscapeSound() { stopSound(); }

void SoundscapeSound::read(const quip::Dictionary &d) {
  readKey(d, L"sound", sound);
  readKey(d, L"intervalStart", intervalStart);
  readKey(d, L"intervalEnd", intervalEnd);
  readKey(d, L"immediateStart", immediateStart);
  readKey(d, L"volumeMin", volumeMin);
  readKey(d, L"volumeMax", volumeMax);
  readKey(d, L"panMin", panMin);
  readKey(d, L"panMax", panMax);
  readKey(d, L"frequencyMin", frequencyMin);
  readKey(d, L"frequencyMax", frequencyMax);
  readKey(d, L"fadeIn", fadeIn);
  readKey(d, L"fadeInDuration", fadeInDuration);
  readKey(d, L"loop", loop);
  readKey(d, L"loopDuration", loopDuration);
  readKey(d, L"loopFadeOut", loopFadeOut);
  readKey(d, L"loopFadeOutDuration", loopFadeOutDuration);
}

void SoundscapeSound::stopSound() {
  if (m_playing && Player::exists())
    Player::instance().stopSound(m_soundId);
  m_playing = false;
}

void SoundscapeSound::reset() {
  stopSound();
  m_timer = 0.0f;
  m_playTime = 0.0f;
  m_chosenVolume = 1.0f;
  m_nextStart = immediateStart ? 0.0f : Random::globalFloat(intervalStart, intervalEnd);
}

void SoundscapeSound::play() {
  stopSound();
  m_chosenVolume = Random::globalFloat(volumeMin, volumeMax);
  const float volume = (fadeIn ? 0.0f : 1.0f) * m_chosenVolume;
  const float pan = Random::globalFloat(panMin, panMax);
  const float frequency = Random::globalFloat(frequencyMin, frequencyMax);
  Database *database = Database::current();
  m_soundId = database ? Player::instance().playSound(*database, sound, loop, volume, pan,
                                                      frequency, Sound::GROUP_MUSIC)
                       : 0;
  m_playing = m_soundId != 0;
  m_playTime = 0.0f;
  m_nextStart = m_timer + Random::globalFloat(intervalStart, intervalEnd);
}

float SoundscapeSound::volumeFactor() const {
  float f = 1.0f;
  if (fadeIn && m_playTime < fadeInDuration) {
    f = m_playTime / fadeInDuration;
  } else if (loopFadeOut && m_playTime > loopDuration - loopFadeOutDuration) {
    // A fade of no length is already complete.
    f = loopFadeOutDuration > 0.0f
            ? 1.0f - (m_playTime - (loopDuration - loopFadeOutDuration)) / loopFadeOutDuration
            : 0.0f;
  }
  if (m_soundscape) {
    f *= m_soundscape->fadeFactor();
    if (m_soundscape->trackMusicVolume)
      f *= 1.0f - 0.5f * (MusicPlayer::exists() ? MusicPlayer::instance().level() : 0.0f);
  }
  return f;
}

void SoundscapeSound::update(float dt) {
  m_timer += dt;
  if (m_playing) {
    m_playTime += dt;
    m_playing = Player::instance().setSoundVolume(m_soundId, volumeFactor() * m_chosenVolume);
    if (loop && m_playTime > loopDuration) {
      Player::instance().stopSound(m_soundId);
      m_playing = false;
    }
  }
  if (m_timer >= m_nextStart)
    play();
}

} // namespace audio
