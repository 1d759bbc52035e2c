#include "FrameworkTestSupport.h"

#include "SoundPacker.h"
#include "audio/Library.h"
#include "audio/Music.h"
#include "audio/MusicPlayer.h"
#include "audio/Player.h"
#include "audio/Soundscape.h"
#include "audio/SoundscapeManager.h"
#include "framework/CorvaneDatabase.h"
#include "gui/PageSound.h"

#include <fstream>
#include <sstream>

using namespace testing_support;

// The sounds step reads the generated bank of the running target.
TEST_F(FrameworkTest, TheSoundsStepReadsTheGeneratedBank) {
  ASSERT_TRUE(
      soundpack::writeBank(soundpack::defaultSounds(), soundpack::soundBankUnder(folder.wide())));
  testing::internal::CaptureStderr();
  framework->performLoadStep(0);
  CorvaneDatabase &database = *corvaneDatabase();
  database.beginLoad();
  for (uint32_t step = 0; step <= 3; ++step)
    database.loadDatabase(CorvaneDatabase::LOAD_SOUNDS);
  std::string log = testing::internal::GetCapturedStderr();
  ASSERT_TRUE(audio::Player::instance().isInitialized()) << log;
  EXPECT_EQ(log.find("WARNING"), std::string::npos) << log;
  AssetManager &sounds = database.manager(CorvaneDatabase::AUDIO_LIBRARY);
  for (const wchar_t *name : {L"beep", L"chime", L"noiseBurst", L"musicLow", L"wind"})
    EXPECT_TRUE(sounds.contains(Symbol::intern(name))) << name;
  EXPECT_EQ(sounds.findNames(String(L"music")).size(), 2u);

  // Pages play their transition sounds through the player.
  ASSERT_NE(GUI::pageSoundPlayer(), nullptr);
  uint32_t before = audio::Player::instance().soundCount();
  GUI::pageSoundPlayer()->playSound(Symbol::intern(L"chime"));
  EXPECT_EQ(audio::Player::instance().soundCount(), before + 1);
  EXPECT_TRUE(audio::Player::instance().isPlayingName(Symbol::intern(L"chime")));

  // Released while it plays the chunk stays; once nothing plays it, it goes.
  audio::Player &player = audio::Player::instance();
  uint32_t id = player.playSound(database, Symbol::intern(L"beep"), true, 1, 0, 1, 0);
  ASSERT_NE(id, 0u);
  audio::SoundBuffer *beep = database.audioLibrary().lookup(Symbol::intern(L"beep"));
  EXPECT_TRUE(beep->hasChunk());
  framework->releaseSounds();
  EXPECT_TRUE(player.hasSound(id));
  EXPECT_TRUE(beep->hasChunk());
  player.releaseSounds();
  EXPECT_FALSE(player.hasSound(id));
  EXPECT_FALSE(beep->hasChunk());
}

TEST_F(FrameworkTest, WithoutAMixerTheSoundsStepSaysSo) {
  CorvaneDatabase &database = *corvaneDatabase();
  testing::internal::CaptureStderr();
  database.beginLoad();
  for (uint32_t step = 0; step <= 3; ++step)
    database.loadDatabase(CorvaneDatabase::LOAD_SOUNDS);
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Not loading sounds because audio player is not initialized"),
            std::string::npos);
  EXPECT_EQ(database.existingManager(CorvaneDatabase::AUDIO_LIBRARY), nullptr);
}

// Steps 6 and 7 read the project's own definitions when the files are there.
TEST_F(FrameworkTest, TheLoadReadsTheSoundscapesAndTheMusic) {
  const std::string source = std::string(CORVANE_SOURCE_DIR) + "/data/config/";
  for (const char *name : {"soundscapes.!", "music.!"}) {
    std::ifstream in(source + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    folder.write(std::string("config/") + name, text.str());
  }
  testing::internal::CaptureStderr();
  framework->performLoadStep(6);
  framework->performLoadStep(7);
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(log.find("WARNING"), std::string::npos) << log;
  std::vector<std::string> lines = logTexts(log);
  ASSERT_EQ(lines.size(), 4u) << log;
  EXPECT_EQ(lines[1], "Loaded soundscapes.");
  EXPECT_EQ(lines[3], "Loaded music.");

  audio::MusicPlayer &music = audio::MusicPlayer::instance();
  ASSERT_EQ(music.count(), 1u);
  audio::Music *theme = music.find(Symbol::intern(L"theme"));
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(theme->elements().size(), 2u);
  EXPECT_GT(theme->silenceRange.high, 0.0f);
  audio::SoundscapeManager &scapes = audio::SoundscapeManager::instance();
  ASSERT_EQ(scapes.count(), 1u);
  audio::Soundscape *breeze = scapes.find(Symbol::intern(L"breeze"));
  ASSERT_NE(breeze, nullptr);
  EXPECT_TRUE(breeze->trackMusicVolume);
  EXPECT_EQ(breeze->sounds().size(), 2u);
}
