#include "audio/MusicElement.h"

#include "audio/Music.h"
#include "audio/MusicPlayer.h"
#include "audio/Player.h"
#include "file/Database.h"
#include "quip/Token.h"

namespace audio {

namespace {

template <typename T> void readKey(const quip::Dictionary &d, const wchar_t *key, T &field) {
  if (const quip::Token *value = d.lookup(Symbol::intern(key)))
    value->get(field);
}

} // namespace

void MusicElement::read(const quip::Dictionary &d) {
  readKey(d, L"sound", sound);
  readKey(d, L"durationRange", durationRange);
  readKey(d, L"volumeRange", volumeRange);
  readKey(d, L"frequencyRange", frequencyRange);
  readKey(d, L"infinite", infinite);
  readKey(d, L"fadeIn", fadeIn);
  readKey(d, L"fadeInStart", fadeInStart);
  readKey(d, L"fadeInDuration", fadeInDuration);
  readKey(d, L"fadeOut", fadeOut);
  readKey(d, L"fadeOutEnd", fadeOutEnd);
  readKey(d, L"fadeOutDuration", fadeOutDuration);
  readKey(d, L"allowRepeat", allowRepeat);
}

void MusicElement::play() {
  m_elapsed = 0.0f;
  m_duration = infinite ? -1.0f : durationRange.random();
  m_volume = volumeRange.random();
  // The fade reads the state of a playing element: start at t = 0.
  m_playing = false;
  float volume = fadedVolume();
  float frequency = frequencyRange.random();
  Database *database = Database::current();
  m_soundId = database ? Player::instance().playSound(*database, sound, true, volume, 0.0f,
                                                      frequency, Sound::GROUP_MUSIC)
                       : 0;
  m_playing = m_soundId != 0;
}

void MusicElement::update(float dt) {
  if (!m_playing)
    return;
  m_elapsed += dt;
  if (!infinite && m_elapsed > m_duration) {
    Player::instance().stopSound(m_soundId);
    m_playing = false;
    return;
  }
  m_playing = Player::instance().setSoundVolume(m_soundId, fadedVolume());
}

float MusicElement::fadedVolume() const {
  const float t = m_playing ? m_elapsed : 0.0f;
  float element = 1.0f;
  if (fadeIn && t < fadeInDuration) {
    element = fadeInStart + (t / fadeInDuration) * (1.0f - fadeInStart);
  } else if (!infinite && fadeOut && t > m_duration - fadeOutDuration) {
    // A fade of no length is already complete.
    float progress =
        fadeOutDuration > 0.0f ? (t - (m_duration - fadeOutDuration)) / fadeOutDuration : 1.0f;
    element = 1.0f + progress * (fadeOutEnd - 1.0f);
  }
  element *= m_volume;
  const bool muted = MusicPlayer::exists() && MusicPlayer::instance().muted();
  return (muted ? 0.0f : 1.0f) * element * (m_music ? m_music->fadeFactor() : 1.0f);
}

} // namespace audio
