#include "framework/SoundAssets.h"

#include "audio/Player.h"
#include "audio/SoundscapeManager.h"
#include "framework/CorvaneDatabase.h"
#include "framework/MediaTargets.h"
#include "gui/PageSound.h"

namespace {

AssetManager *makeSounds(CorvaneDatabase &database) { return new SoundAssets(&database); }

audio::Library *libraryOf(Database &database, bool make) {
  auto *assets = static_cast<CorvaneDatabase *>(database.assetDatabase());
  if (!assets)
    return nullptr;
  if (make)
    return &assets->audioLibrary();
  auto *made = dynamic_cast<SoundAssets *>(assets->existingManager(CorvaneDatabase::AUDIO_LIBRARY));
  return made ? &made->library() : nullptr;
}

// Pages play their transition sounds at once, from the current database;
// soundscape widgets choose among the playing soundscapes.
class PageSounds : public GUI::PageSoundPlayer {
public:
  void playSound(Symbol sound) override {
    Database *database = Database::current();
    if (database && audio::Player::exists())
      audio::Player::instance().playSound(*database, sound, 0);
  }
  void selectSoundscape(Symbol name) override {
    if (audio::SoundscapeManager::exists())
      audio::SoundscapeManager::instance().select(name);
  }
};

} // namespace

void installSoundAssets() {
  static PageSounds pageSounds;
  GUI::setPageSoundPlayer(&pageSounds);
  CorvaneDatabase::setManagerMaker(CorvaneDatabase::AUDIO_LIBRARY, makeSounds);
  CorvaneDatabase::setKindLoader(CorvaneDatabase::AUDIO_LIBRARY, loadSoundBankOf);
  audio::Library::setFinder(libraryOf);
}

bool loadSoundBankOf(CorvaneDatabase &database) {
  if (!audio::Player::exists() || !audio::Player::instance().isInitialized())
    return false;
  database.audioLibrary().loadSoundBank(database.path() + L"/" +
                                        media::soundBankPath(media::currentTarget()));
  return true;
}

audio::Library &CorvaneDatabase::audioLibrary() {
  return adapterOf<SoundAssets>(AUDIO_LIBRARY).library();
}
