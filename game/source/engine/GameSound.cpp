#include "engine/GameSound.h"

#include "audio/Player.h"
#include "file/Database.h"

void queueGameSound(Symbol name, float frequency) {
  Database *database = Database::current();
  if (!database || !audio::Player::exists())
    return;
  audio::Player::instance().queueSound(*database, name, false, 1.0f, 0.0f, frequency,
                                       audio::Sound::GROUP_SOUND_EFFECTS);
}
