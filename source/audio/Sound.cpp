#include "audio/Sound.h"

#include "audio/Player.h"
#include "audio/SoundBuffer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace audio {

bool Sound::play(SoundBuffer *buffer, bool loop, float volume, float pan, float, uint32_t group) {
  m_buffer = buffer;
  m_id = Player::instance().takeSerial();
  m_group = group;
  m_chunk = buffer ? buffer->chunk() : nullptr;
  if (!m_chunk)
    return false;
  // Under the mixer's lock, so that its first pass already mixes at the
  // sound's volume and pan.
  SDL_LockAudio();
  m_channel = Mix_PlayChannelTimed(-1, m_chunk, loop ? -1 : 0, -1);
  if (m_channel < 0) {
    SDL_UnlockAudio();
    m_channel = -1;
    return false;
  }
  setVolume(volume);
  setPan(pan);
  SDL_UnlockAudio();
  return true;
}

bool Sound::isPlaying() const {
  if (m_channel == -1)
    return false;
  // Under the mixer's lock: between two passes of an endless loop the mixer
  // thread briefly shows the channel as finished.
  SDL_LockAudio();
  bool playing = Mix_Playing(m_channel) && Mix_GetChunk(m_channel) == m_chunk;
  SDL_UnlockAudio();
  return playing;
}

void Sound::stop() {
  if (isPlaying())
    Mix_HaltChannel(m_channel);
  m_channel = -1;
}

void Sound::setVolume(float volume) {
  m_volume = std::clamp(volume, 0.0f, 1.0f);
  applyVolume();
}

void Sound::applyVolume() {
  const Player &player = Player::instance();
  float v = (player.muted() ? 0.0f : 1.0f) * player.masterVolume() * player.groupVolume(m_group) *
            m_volume;
  v = std::clamp(v, 0.0f, 1.0f);
  if (m_channel != -1)
    Mix_Volume(m_channel, int(v * 128.0f));
}

void Sound::panLevels(float pan, uint8_t &left, uint8_t &right) {
  float p = std::clamp(pan, -1.0f, 1.0f);
  float l = p > 0.0f ? 1.0f - p : 1.0f;
  float r = p < 0.0f ? 1.0f + p : 1.0f;
  left = uint8_t(l * 128.0f);
  right = uint8_t(r * 128.0f);
}

bool Sound::setPan(float pan) {
  if (m_channel == -1)
    return false;
  uint8_t left, right;
  panLevels(pan, left, right);
  Mix_SetPanning(m_channel, left, right);
  return true;
}

} // namespace audio
