#pragma once
// A named ambience: sounds that repeat at random, fading out together and
// optionally ducking under the music.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "quip/Dictionary.h"
#include "xstring/Symbol.h"

namespace audio {

class SoundscapeSound;

class Soundscape : private NonCopyable {
public:
  Soundscape() = default;
  ~Soundscape();

  // "name", "trackMusicVolume", then the sounds rebuilt from "sounds".
  void read(const quip::Dictionary &definition);
  // The immediate sounds start when it was not active; a fade is cancelled.
  void start();
  // Only while active and not already fading.
  void fadeOutOver(float duration);
  void reset();
  void update(float dt);
  // 1 while not fading, falling to 0 at its end (at once for a fade of no
  // length).
  float fadeFactor() const;

  Symbol name() const { return m_name; }
  bool isActive() const { return m_active; }
  bool isFading() const { return m_fading; }
  const container::Vector<SoundscapeSound *> &sounds() const { return m_sounds; }
  bool trackMusicVolume = false;

private:
  void deleteSounds();

  Symbol m_name;
  container::Vector<SoundscapeSound *> m_sounds;
  bool m_active = false;
  bool m_fading = false;
  float m_fadeDuration = 0.0f;
  float m_fadeElapsed = 0.0f;
};

} // namespace audio
