#pragma once
// The audio library as the asset database's manager of sounds, and the
// start-up wiring: the library of a database for the audio player, and the
// sounds step of the load, which reads the running target's sound bank
// while the player's mixer is open.

#include "audio/Library.h"
#include "framework/AssetManager.h"

class CorvaneDatabase;

class SoundAssets : public AssetManager {
public:
  explicit SoundAssets(Database *database) : m_library(database) {}
  bool contains(Symbol name) const override { return m_library.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const override {
    return m_library.findNames(filter);
  }
  audio::Library &library() { return m_library; }

private:
  audio::Library m_library;
};

// Installs the sound manager maker, the sounds step and the library finder.
// Called by the framework at start.
void installSoundAssets();
// Root + "/" + the running target's sound bank into the database's library;
// false while the audio player is not initialised.
bool loadSoundBankOf(CorvaneDatabase &database);
