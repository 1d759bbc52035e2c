#pragma once
// One sound the player started: its buffer, serial number, mixer channel,
// own volume and group. The channel's volume combines the player's mute and
// master volume, the group's volume and the sound's own.

#include "file/NonCopyable.h"

#include <cstdint>

struct Mix_Chunk;

namespace audio {

class SoundBuffer;

class Sound : private NonCopyable {
public:
  enum Group : uint32_t { GROUP_SOUND_EFFECTS = 0, GROUP_MUSIC = 1 };

  Sound() = default;
  ~Sound() { stop(); }

  // Takes the next serial number and starts the buffer on a free channel;
  // false when the buffer does not decode or no channel is free. The
  // frequency is not used.
  bool play(SoundBuffer *buffer, bool loop, float volume, float pan, float frequency,
            uint32_t group);
  // A channel reused by another chunk counts as not playing.
  bool isPlaying() const;
  void stop();
  void setVolume(float volume);
  void applyVolume();
  // False without a channel. 128 is the full side: a centred sound gets 128
  // on both.
  bool setPan(float pan);

  SoundBuffer *buffer() const { return m_buffer; }
  uint32_t id() const { return m_id; }
  int channel() const { return m_channel; }
  float volume() const { return m_volume; }
  uint32_t group() const { return m_group; }

  // The two sides' levels for a pan, 0 to 128.
  static void panLevels(float pan, uint8_t &left, uint8_t &right);

private:
  SoundBuffer *m_buffer = nullptr;
  Mix_Chunk *m_chunk = nullptr;
  uint32_t m_id = 0;
  int m_channel = -1;
  float m_volume = 1.0f;
  uint32_t m_group = GROUP_SOUND_EFFECTS;
};

} // namespace audio
