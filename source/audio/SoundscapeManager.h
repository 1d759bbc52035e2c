#pragma once
// The soundscapes of "/config/soundscapes.!", started, faded and switched by
// name. A name no soundscape has does nothing.

#include "container/ListTable.h"
#include "file/NonCopyable.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace quip {
class ScriptManager;
}

namespace audio {

class Soundscape;

class SoundscapeManager : private NonCopyable {
public:
  static SoundscapeManager &instance();
  static bool exists();
  static void destroyInstance();

  // Deletes every soundscape, then makes one of each dictionary of the array
  // the script gives (run with the given manager). False when the file does
  // not give an array.
  bool load(const String &path, quip::ScriptManager &scripts);
  void update(float dt);
  void start(Symbol name);
  void fadeOut(Symbol name, float duration);
  void fadeOutAll(float duration);
  // The named one starts; every other fades out over 3 seconds.
  void switchTo(Symbol name);
  // Every other fades out over 3 seconds; the named one is left as it is.
  void select(Symbol name);
  container::Vector<Symbol> findNames(const String &filter) const;
  bool contains(Symbol name) const { return m_soundscapes.contains(name); }
  Soundscape *find(Symbol name) const { return m_soundscapes.get(name); }
  uint32_t count() const { return m_soundscapes.size(); }

private:
  SoundscapeManager() = default;
  ~SoundscapeManager();
  void deleteAll();

  container::ListTable<Symbol, Soundscape *> m_soundscapes;
};

} // namespace audio
