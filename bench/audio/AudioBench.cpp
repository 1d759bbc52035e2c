// The audio player's frame update with 32 sounds playing, and the first play
// of a 1 s sound: its chunk decoded from the open sound bank.

#include "SoundMaker.h"
#include "SoundPacker.h"
#include "audio/Library.h"
#include "audio/Player.h"
#include "framework/CorvaneDatabase.h"
#include "framework/SoundAssets.h"

#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A database with its own bank and the mixer open on the dummy driver.
struct Bank {
  std::string folder = makeFolder();
  CorvaneDatabase database{Symbol::intern(L"audioBench"), String::fromUtf8(folder.c_str())};
  bool ready = false;

  static std::string makeFolder() {
    char name[] = "/tmp/corvane-audio-bench-XXXXXX";
    return mkdtemp(name) ? name : "";
  }
  String bankPath() const { return String::fromUtf8((folder + "/sounds.dat").c_str()); }

  Bank() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    installSoundAssets();
    container::Vector<soundpack::BankEntry> entries;
    soundpack::SoundRecipe loop;
    loop.seconds = 0.1f;
    entries.push(soundpack::BankEntry{Symbol::intern(L"loop"), soundpack::makeWav(loop)});
    soundpack::SoundRecipe second;
    second.seconds = 1.0f;
    entries.push(soundpack::BankEntry{Symbol::intern(L"second"), soundpack::makeWav(second)});
    ready = !folder.empty() && soundpack::writeBank(entries, bankPath()) &&
            database.audioLibrary().loadSoundBank(bankPath()) &&
            audio::Player::instance().initialize();
  }
  ~Bank() {
    audio::Player::destroyInstance();
    std::error_code ignored;
    if (!folder.empty())
      std::filesystem::remove_all(folder, ignored);
  }
};

void BM_PlayerUpdate32Sounds(benchmark::State &state) {
  Bank bank;
  if (!bank.ready) {
    state.SkipWithError("no bank or no mixer");
    return;
  }
  audio::Player &player = audio::Player::instance();
  Mix_AllocateChannels(32);
  for (int i = 0; i < 32; ++i)
    player.playSound(bank.database, Symbol::intern(L"loop"), true, 0.5f, 0.0f, 1.0f,
                     audio::Sound::GROUP_SOUND_EFFECTS);
  if (player.soundCount() != 32) {
    state.SkipWithError("fewer than 32 sounds started");
    return;
  }
  for (auto _ : state)
    player.update();
  state.counters["sounds"] = double(player.soundCount());
}
BENCHMARK(BM_PlayerUpdate32Sounds);

void BM_FirstPlayOfOneSecondSound(benchmark::State &state) {
  Bank bank;
  if (!bank.ready) {
    state.SkipWithError("no bank or no mixer");
    return;
  }
  audio::Player &player = audio::Player::instance();
  const Symbol second = Symbol::intern(L"second");
  audio::SoundBuffer *buffer = bank.database.audioLibrary().lookup(second);
  for (auto _ : state) {
    state.PauseTiming();
    player.stopAll();
    buffer->freeChunk();
    state.ResumeTiming();
    benchmark::DoNotOptimize(
        player.playSound(bank.database, second, audio::Sound::GROUP_SOUND_EFFECTS));
  }
}
BENCHMARK(BM_FirstPlayOfOneSecondSound)->Unit(benchmark::kMicrosecond);

} // namespace
