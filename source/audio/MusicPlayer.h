#pragma once
// The named musics of "/config/music.!", their start and fade by name, a
// mute for a while, and the level the soundscapes duck under.

#include "container/ListTable.h"
#include "file/NonCopyable.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace quip {
class ScriptManager;
}

namespace audio {

class Music;

class MusicPlayer : private NonCopyable {
public:
  static MusicPlayer &instance();
  static bool exists();
  static void destroyInstance();

  // Stops and deletes every music, then makes one of each dictionary of the
  // array the script gives (run with the given manager). False when the
  // file does not give an array.
  bool load(const String &path, quip::ScriptManager &scripts);
  // A name no music has does nothing; the music already playing (and not
  // fading) goes on. Others fade over the duration, or stop at once.
  void start(Symbol name, bool fadeOthers, float fadeDuration);
  void stopAll();
  void fadeOutAll(float duration);
  // A negative duration lasts until unmute.
  void mute(float duration);
  void unmute() { m_muted = false; }
  void update(float dt);
  // The loudest current element's faded volume; 0 when none plays.
  float level() const;
  bool contains(Symbol name) const { return m_musics.contains(name); }
  Music *find(Symbol name) const { return m_musics.get(name); }
  uint32_t count() const { return m_musics.size(); }
  bool muted() const { return m_muted; }

private:
  MusicPlayer() = default;
  ~MusicPlayer();
  void deleteAll();

  container::ListTable<Symbol, Music *> m_musics;
  bool m_muted = false;
  float m_muteElapsed = 0.0f;
  float m_muteDuration = 0.0f;
};

} // namespace audio
