#pragma once
// A named music: a pool of elements played one at a time in random order,
// with random silences between them, and a fade-out of the whole.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "quip/Dictionary.h"
#include "quip/Range.h"
#include "xstring/Symbol.h"

namespace audio {

class MusicElement;

class Music : private NonCopyable {
public:
  Music() = default;
  ~Music();

  // "name", "silenceRange" and the elements rebuilt from "elements".
  void read(const quip::Dictionary &definition);
  // Nothing without elements; an inactive music starts a random element,
  // one that is fading out stops fading.
  void start();
  void stop();
  // Only while active and not already fading.
  void fadeOutOver(float duration);
  void update(float dt);
  // 1 while not fading, falling to 0 at the end of the fade (at once for a
  // fade of no length).
  float fadeFactor() const;

  Symbol name() const { return m_name; }
  bool isActive() const { return m_active; }
  bool isFading() const { return m_fading; }
  MusicElement *current() const { return m_current; }
  MusicElement *last() const { return m_last; }
  float silence() const { return m_silence; }
  const container::Vector<MusicElement *> &elements() const { return m_elements; }
  quip::Range silenceRange{0.0f, 0.0f};

private:
  void deleteElements();
  void playRandom(const container::Vector<MusicElement *> &candidates);

  Symbol m_name;
  container::Vector<MusicElement *> m_elements;
  container::Vector<MusicElement *> m_candidates;
  MusicElement *m_current = nullptr;
  MusicElement *m_last = nullptr;
  float m_silence = 0.0f;
  bool m_active = false;
  bool m_fading = false;
  float m_fadeDuration = 0.0f;
  float m_fadeElapsed = 0.0f;
};

} // namespace audio
