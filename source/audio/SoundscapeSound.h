#pragma once
// One sound of a soundscape: it starts again every random interval with a
// random volume, pan and rate, and may fade in, loop for a while and fade
// out.

#include "file/NonCopyable.h"
#include "quip/Dictionary.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace audio {

class Soundscape;

class SoundscapeSound : private NonCopyable {
public:
  explicit SoundscapeSound(Soundscape *soundscape) : m_soundscape(soundscape) {}
  ~SoundscapeSound();

  void read(const quip::Dictionary &definition);
  // Stops its sound; the next start waits a random interval (none when
  // immediate).
  void reset();
  // Stops the previous play and starts anew in the music group.
  void play();
  void update(float dt);
  // The fade of the current play: fade-in, loop fade-out, the soundscape's
  // fade and the ducking under the music.
  float volumeFactor() const;

  float timer() const { return m_timer; }
  float nextStart() const { return m_nextStart; }
  float playTime() const { return m_playTime; }
  float chosenVolume() const { return m_chosenVolume; }
  bool isPlaying() const { return m_playing; }
  uint32_t soundId() const { return m_soundId; }

  Symbol sound;
  float intervalStart = 0.0f;
  float intervalEnd = 0.0f;
  bool immediateStart = false;
  float volumeMin = 1.0f;
  float volumeMax = 1.0f;
  float panMin = 0.0f;
  float panMax = 0.0f;
  float frequencyMin = 1.0f;
  float frequencyMax = 1.0f;
  bool fadeIn = false;
  float fadeInDuration = 0.0f;
  bool loop = false;
  float loopDuration = 0.0f;
  bool loopFadeOut = false;
  float loopFadeOutDuration = 0.0f;

private:
  void stopSound();

  Soundscape *m_soundscape;
  float m_timer = 0.0f;
  float m_chosenVolume = 1.0f;
  float m_playTime = 0.0f;
  bool m_playing = false;
  uint32_t m_soundId = 0;
  float m_nextStart = 0.0f;
};

} // namespace audio
