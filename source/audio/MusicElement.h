#pragma once
// One sound of a music's pool: how long, how loud and how fast it plays
// (each chosen per play from its range) and how it fades in and out.

#include "file/NonCopyable.h"
#include "quip/Dictionary.h"
#include "quip/Range.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace audio {

class Music;

class MusicElement : private NonCopyable {
public:
  explicit MusicElement(Music *music) : m_music(music) {}

  void read(const quip::Dictionary &definition);
  // Starts the sound looping in the music group; its duration ends it.
  void play();
  void update(float dt);
  // Mute x its own fade x the music's fade, times the chosen volume.
  float fadedVolume() const;

  bool isPlaying() const { return m_playing; }
  uint32_t soundId() const { return m_soundId; }
  float elapsed() const { return m_elapsed; }
  float duration() const { return m_duration; }
  float volume() const { return m_volume; }
  Music *music() const { return m_music; }

  Symbol sound;
  quip::Range durationRange{0.0f, 0.0f};
  quip::Range volumeRange{1.0f, 1.0f};
  quip::Range frequencyRange{1.0f, 1.0f};
  bool infinite = false;
  bool fadeIn = false;
  float fadeInStart = 0.0f;
  float fadeInDuration = 0.0f;
  bool fadeOut = false;
  float fadeOutEnd = 0.0f;
  float fadeOutDuration = 0.0f;
  bool allowRepeat = true;

private:
  Music *m_music;
  float m_duration = 0.0f;
  float m_volume = 1.0f;
  float m_elapsed = 0.0f;
  bool m_playing = false;
  uint32_t m_soundId = 0;
};

} // namespace audio
