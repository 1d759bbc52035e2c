#pragma once
// A database with a sound bank of its own in a temporary folder, and an audio
// player opened on the dummy driver for each test; both go at its end.

#include "SoundMaker.h"
#include "SoundPacker.h"
#include "audio/Library.h"
#include "audio/Player.h"
#include "framework/CorvaneDatabase.h"
#include "framework/SoundAssets.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

inline soundpack::BankEntry toneEntry(const wchar_t *name, float seconds, uint16_t channels = 1) {
  soundpack::SoundRecipe recipe;
  recipe.seconds = seconds;
  recipe.channels = channels;
  return soundpack::BankEntry{Symbol::intern(name), soundpack::makeWav(recipe)};
}

class AudioTest : public ::testing::Test {
protected:
  void SetUp() override {
    installSoundAssets();
    database = new CorvaneDatabase(Symbol::intern(L"audioTest"), folder.wide());
    // Music and soundscapes play from the current database.
    Database::registerDatabase(database);
    Database::setCurrent(database->name());
    testing::internal::CaptureStderr();
    opened = audio::Player::instance().initialize();
    openLog = testing::internal::GetCapturedStderr();
  }
  void TearDown() override {
    Database::unregisterDatabase(database);
    delete database;
    audio::Player::destroyInstance();
  }

  // Writes the bank and loads it into the database's library.
  bool loadBank(const container::Vector<soundpack::BankEntry> &entries) {
    if (!soundpack::writeBank(entries, folder.wide("sounds.dat")))
      return false;
    return library().loadSoundBank(folder.wide("sounds.dat"));
  }
  audio::Library &library() { return database->audioLibrary(); }
  audio::Player &player() { return audio::Player::instance(); }

  TempFolder folder;
  CorvaneDatabase *database = nullptr;
  bool opened = false;
  std::string openLog;
};

} // namespace testing_support
