#include "audio/Player.h"

#include "audio/Library.h"
#include "audio/SoundBuffer.h"
#include "error/Assert.h"
#include "error/AssertHandler.h"
#include "error/Log.h"
#include "error/Report.h"
#include "file/Database.h"
#include "video/Window.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace audio {

namespace {

Player *thePlayer = nullptr;

// A mixer that cannot be opened leaves the program silent, not ended.
void mixerWarning(int line, const wchar_t *what) {
  framework::reportWarning(error::sourcePath(__FILE__).c_str(), line, L"initializeSDLMixer",
                           String(what) + String::fromUtf8(SDL_GetError()));
}

SoundBuffer *bufferOf(Database &database, Symbol sound) {
  Library *library = Library::of(database, true);
  return library ? library->lookup(sound) : nullptr;
}

} // namespace

Player &Player::instance() {
  if (!thePlayer)
    thePlayer = new Player;
  return *thePlayer;
}

bool Player::exists() { return thePlayer != nullptr; }

void Player::destroyInstance() {
  Player *player = thePlayer;
  if (!player)
    return;
  player->shutdown();
  thePlayer = nullptr;
  delete player;
}

Player::Player() {
  uint32_t effects = createGroup();
  CORVANE_ASSERT_TEXT(effects == Sound::GROUP_SOUND_EFFECTS,
                      L"createGroup() == Sound::GROUP_SOUND_EFFECTS");
  uint32_t music = createGroup();
  CORVANE_ASSERT_TEXT(music == Sound::GROUP_MUSIC, L"createGroup() == Sound::GROUP_MUSIC");
}

Player::~Player() {
  for (uint32_t i = 0; i < m_sounds.size(); ++i)
    delete m_sounds[i];
}

bool Player::initialize() {
  if (m_initialized)
    return true;
  m_initialized = initializeSDLMixer(m_frequency, m_chunkSize);
  return m_initialized;
}

bool Player::initializeSDLMixer(int frequency, int chunkSize) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    mixerWarning(__LINE__, L"Failed to initialize audio subsystem: ");
    return false;
  }
  if (Mix_OpenAudio(frequency, AUDIO_S16LSB, 2, chunkSize) != 0) {
    mixerWarning(__LINE__, L"Failed to open audio mixer: ");
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Uint16 format = 0;
  int channels = 0;
  if (!Mix_QuerySpec(&frequency, &format, &channels)) {
    mixerWarning(__LINE__, L"Failed to query audio spec: ");
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  m_frequency = frequency;
  logLine(String::format(L"Opened audio mixer, frequency: %d, format: %d, channels: %d", frequency,
                         int(format), channels));
  return true;
}

bool Player::shutdown() {
  if (!m_initialized)
    return true;
  stopAll();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  m_initialized = false;
  return true;
}

void Player::queueSound(Database &database, Symbol sound, bool loop, float volume, float pan,
                        float frequency, uint32_t group) {
  if (!m_initialized)
    return;
  SoundBuffer *buffer = bufferOf(database, sound);
  if (!buffer)
    return;
  for (uint32_t i = 0; i < m_pending.size(); ++i)
    if (m_pending[i].buffer == buffer)
      return;
  m_pending.push(Request{buffer, loop, volume, pan, frequency, group});
}

void Player::queueSound(Database &database, Symbol sound, uint32_t group) {
  queueSound(database, sound, false, 1.0f, 0.0f, 1.0f, group);
}

uint32_t Player::playSound(Database &database, Symbol sound, bool loop, float volume, float pan,
                           float frequency, uint32_t group) {
  if (!m_initialized)
    return 0;
  SoundBuffer *buffer = bufferOf(database, sound);
  return buffer ? playSoundBuffer(buffer, loop, volume, pan, frequency, group) : 0;
}

uint32_t Player::playSound(Database &database, Symbol sound, uint32_t group) {
  return playSound(database, sound, false, 1.0f, 0.0f, 1.0f, group);
}

uint32_t Player::playSoundBuffer(SoundBuffer *buffer, bool loop, float volume, float pan,
                                 float frequency, uint32_t group) {
  if (!m_initialized || !buffer)
    return 0;
  Sound *sound = new Sound;
  if (!sound->play(buffer, loop, volume, pan, frequency, group)) {
    delete sound;
    return 0;
  }
  m_sounds.push(sound);
  return sound->id();
}

void Player::update() {
  if (!m_initialized)
    return;
  for (uint32_t i = 0; i < m_pending.size(); ++i) {
    const Request &r = m_pending[i];
    playSoundBuffer(r.buffer, r.loop, r.volume, r.pan, r.frequency, r.group);
  }
  m_pending.clear();
  for (uint32_t i = 0; i < m_sounds.size();) {
    if (m_sounds[i]->isPlaying()) {
      ++i;
      continue;
    }
    delete m_sounds[i];
    m_sounds.removeSwap(i);
  }
}

void Player::stopAll() {
  while (!m_sounds.isEmpty())
    delete m_sounds.pop();
  m_pending.clear();
}

void Player::releaseSounds() {
  if (!m_initialized)
    return;
  stopAll();
  for (Symbol name : Database::names())
    if (Database *database = Database::find(name))
      if (Library *library = Library::of(*database, false))
        library->freeUnusedChunks();
}

Sound *Player::find(uint32_t id) const {
  for (uint32_t i = 0; i < m_sounds.size(); ++i)
    if (m_sounds[i]->id() == id)
      return m_sounds[i];
  return nullptr;
}

bool Player::setSoundPan(uint32_t id, float pan) {
  Sound *sound = find(id);
  return sound && sound->setPan(pan);
}

bool Player::setSoundFrequency(uint32_t id, float) {
  Sound *sound = find(id);
  return sound && sound->channel() != -1;
}

bool Player::setSoundVolume(uint32_t id, float volume) {
  Sound *sound = find(id);
  if (!sound)
    return false;
  sound->setVolume(volume);
  return true;
}

bool Player::stopSound(uint32_t id) {
  Sound *sound = find(id);
  if (!sound)
    return false;
  sound->stop();
  return true;
}

bool Player::isPlayingBuffer(const SoundBuffer *buffer) const {
  for (uint32_t i = 0; i < m_sounds.size(); ++i)
    if (m_sounds[i]->buffer() == buffer)
      return true;
  for (uint32_t i = 0; i < m_pending.size(); ++i)
    if (m_pending[i].buffer == buffer)
      return true;
  return false;
}

void Player::forgetBuffer(const SoundBuffer *buffer) {
  for (uint32_t i = 0; i < m_sounds.size();) {
    if (m_sounds[i]->buffer() != buffer) {
      ++i;
      continue;
    }
    delete m_sounds[i];
    m_sounds.removeSwap(i);
  }
  for (uint32_t i = 0; i < m_pending.size();) {
    if (m_pending[i].buffer == buffer)
      m_pending.removeAt(i);
    else
      ++i;
  }
}

bool Player::isPlayingName(Symbol name) const {
  for (uint32_t i = 0; i < m_sounds.size(); ++i)
    if (m_sounds[i]->buffer() && m_sounds[i]->buffer()->name() == name)
      return true;
  for (uint32_t i = 0; i < m_pending.size(); ++i)
    if (m_pending[i].buffer->name() == name)
      return true;
  return false;
}

uint32_t Player::createGroup() {
  m_groupVolumes.push(1.0f);
  return m_groupVolumes.size() - 1;
}

float Player::groupVolume(uint32_t group) const {
  return group < m_groupVolumes.size() ? m_groupVolumes[group] : 1.0f;
}

void Player::setGroupVolume(uint32_t group, float volume) {
  if (group >= m_groupVolumes.size())
    return;
  volume = std::clamp(volume, 0.0f, 1.0f);
  if (volume == m_groupVolumes[group])
    return;
  m_groupVolumes[group] = volume;
  applyVolumes(true, group);
}

void Player::setMuted(bool muted) {
  m_muted = muted;
  applyVolumes(false, 0);
}

void Player::setMasterVolume(float volume) {
  if (volume == m_masterVolume)
    return;
  m_masterVolume = volume;
  applyVolumes(false, 0);
}

void Player::applyVolumes(bool onlyGroup, uint32_t group) {
  for (uint32_t i = 0; i < m_sounds.size(); ++i)
    if (!onlyGroup || m_sounds[i]->group() == group)
      m_sounds[i]->applyVolume();
}

float Player::panFromScreenX(float x) const {
  float width = float(video::Window::screenSize().x);
  return width > 0.0f ? 2.0f * (x / width) - 1.0f : 0.0f;
}

} // namespace audio
