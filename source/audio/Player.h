#pragma once
// The one place where sounds start, change and stop, over SDL_mixer. Sounds
// are named in a database's sound library; a started sound is known after
// by its serial number. While the mixer is not open every call does nothing
// and plays return 0.

#include "audio/Sound.h"
#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Database;

namespace audio {

class SoundBuffer;

class Player : private NonCopyable {
public:
  static Player &instance();
  static bool exists();
  // Shuts the mixer and deletes the player.
  static void destroyInstance();

  // Used by the next initialisation.
  void setChunkSize(int samples) { m_chunkSize = samples; }
  // Opens the mixer once; a mixer that cannot be opened is reported as a
  // warning and the player stays silent.
  bool initialize();
  bool initializeSDLMixer(int frequency, int chunkSize);
  bool shutdown();
  bool isInitialized() const { return m_initialized; }

  // Starts at the next update; a second request for a buffer already
  // waiting is dropped.
  void queueSound(Database &database, Symbol sound, bool loop, float volume, float pan,
                  float frequency, uint32_t group);
  void queueSound(Database &database, Symbol sound, uint32_t group);
  // The serial number, or 0 when the sound did not start (unknown name, no
  // free channel, no mixer).
  uint32_t playSound(Database &database, Symbol sound, bool loop, float volume, float pan,
                     float frequency, uint32_t group);
  uint32_t playSound(Database &database, Symbol sound, uint32_t group);
  uint32_t playSoundBuffer(SoundBuffer *buffer, bool loop, float volume, float pan, float frequency,
                           uint32_t group);

  // Starts the queued requests, then forgets the sounds that ended.
  void update();
  void stopAll();
  // Stops everything, then every library frees the chunks nothing plays.
  void releaseSounds();

  // By serial number; false when no sound of that number is held.
  bool setSoundPan(uint32_t id, float pan);
  bool setSoundFrequency(uint32_t id, float frequency);
  bool setSoundVolume(uint32_t id, float volume);
  bool stopSound(uint32_t id);
  bool hasSound(uint32_t id) const { return find(id) != nullptr; }
  uint32_t soundCount() const { return m_sounds.size(); }
  Sound *find(uint32_t id) const;

  bool isPlayingBuffer(const SoundBuffer *buffer) const;
  // Stops and drops every sound and request of a buffer that goes away.
  void forgetBuffer(const SoundBuffer *buffer);
  bool isPlayingName(Symbol name) const;

  uint32_t createGroup();
  // 1 for a group that does not exist.
  float groupVolume(uint32_t group) const;
  // Clamped to 0..1; the group's sounds apply it at once.
  void setGroupVolume(uint32_t group, float volume);
  bool muted() const { return m_muted; }
  void setMuted(bool muted);
  float masterVolume() const { return m_masterVolume; }
  void setMasterVolume(float volume);
  // The pan of a sound made at that screen column.
  float panFromScreenX(float x) const;

  int frequency() const { return m_frequency; }
  int chunkSize() const { return m_chunkSize; }
  // The next serial number; they start at 1 and are never reused.
  uint32_t takeSerial() { return m_nextSerial++; }

private:
  struct Request {
    SoundBuffer *buffer;
    bool loop;
    float volume;
    float pan;
    float frequency;
    uint32_t group;
  };

  Player();
  ~Player();
  void applyVolumes(bool onlyGroup, uint32_t group);

  bool m_initialized = false;
  float m_masterVolume = 1.0f;
  bool m_muted = false;
  container::Vector<Request> m_pending;
  container::Vector<Sound *> m_sounds;
  container::Vector<float> m_groupVolumes;
  int m_frequency = 22050;
  int m_chunkSize = 4096;
  uint32_t m_nextSerial = 1;
};

} // namespace audio
