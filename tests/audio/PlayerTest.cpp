#include "AudioTestSupport.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

using testing_support::AudioTest;
using testing_support::toneEntry;

namespace {

const uint32_t effects = audio::Sound::GROUP_SOUND_EFFECTS;
const uint32_t music = audio::Sound::GROUP_MUSIC;

class PlayerTest : public AudioTest {
protected:
  void SetUp() override {
    AudioTest::SetUp();
    ASSERT_TRUE(opened) << openLog;
    container::Vector<soundpack::BankEntry> entries;
    entries.push(toneEntry(L"beep", 0.3f));
    entries.push(toneEntry(L"chime", 0.3f, 2));
    ASSERT_TRUE(loadBank(entries));
  }
  int channelVolume(uint32_t id) { return Mix_Volume(player().find(id)->channel(), -1); }

  const Symbol beep = Symbol::intern(L"beep");
  const Symbol chime = Symbol::intern(L"chime");
};

} // namespace

TEST_F(PlayerTest, OpensTheMixerAndNumbersSoundsFromOne) {
  EXPECT_NE(openLog.find("Opened audio mixer, frequency: 22050, format: 32784, channels: 2"),
            std::string::npos)
      << openLog;
  EXPECT_EQ(player().playSound(*database, chime, effects), 1u);
  EXPECT_EQ(player().playSound(*database, beep, effects), 2u);
  EXPECT_EQ(player().soundCount(), 2u);
  // Unknown names start nothing and use no number.
  EXPECT_EQ(player().playSound(*database, Symbol::intern(L"noSuchSound"), effects), 0u);
  player().queueSound(*database, Symbol::intern(L"noSuchSound"), effects);
  player().update();
  EXPECT_EQ(player().playSound(*database, beep, effects), 3u);
}

TEST_F(PlayerTest, TwoQueuedRequestsInOneFrameStartOnce) {
  player().queueSound(*database, beep, effects);
  player().queueSound(*database, beep, true, 0.5f, 0.0f, 1.0f, effects);
  EXPECT_TRUE(player().isPlayingName(beep));
  EXPECT_EQ(player().soundCount(), 0u);
  player().update();
  EXPECT_EQ(player().soundCount(), 1u);
  player().queueSound(*database, beep, effects);
  player().update();
  EXPECT_EQ(player().soundCount(), 2u);
}

TEST_F(PlayerTest, VolumeIsMuteTimesMasterTimesGroupTimesSound) {
  uint32_t id = player().playSound(*database, beep, true, 0.5f, 0.0f, 1.0f, music);
  ASSERT_NE(id, 0u);
  EXPECT_EQ(channelVolume(id), 64);
  player().setGroupVolume(music, 1.5f);
  EXPECT_EQ(player().groupVolume(music), 1.0f);
  player().setGroupVolume(music, -0.2f);
  EXPECT_EQ(player().groupVolume(music), 0.0f);
  EXPECT_EQ(channelVolume(id), 0);
  player().setGroupVolume(music, 0.5f);
  player().setMasterVolume(0.5f);
  EXPECT_EQ(channelVolume(id), 16);
  player().setMuted(true);
  EXPECT_EQ(channelVolume(id), 0);
  player().setMuted(false);
  EXPECT_EQ(channelVolume(id), 16);
  // Another group's volume leaves it alone.
  player().setGroupVolume(effects, 0.0f);
  EXPECT_EQ(channelVolume(id), 16);
  EXPECT_TRUE(player().setSoundVolume(id, 2.0f));
  EXPECT_EQ(channelVolume(id), 32);
}

TEST_F(PlayerTest, PanGivesTheFullSide128) {
  struct Case {
    float pan;
    int left, right;
  } cases[] = {{-1.0f, 128, 0}, {0.5f, 64, 128}, {0.0f, 128, 128}, {3.0f, 0, 128}};
  for (const Case &c : cases) {
    uint8_t left = 0, right = 0;
    audio::Sound::panLevels(c.pan, left, right);
    EXPECT_EQ(left, c.left) << c.pan;
    EXPECT_EQ(right, c.right) << c.pan;
  }
}

TEST_F(PlayerTest, LoopingSoundStaysUntilStopped) {
  uint32_t looping = player().playSound(*database, beep, true, 1.0f, 0.0f, 1.0f, effects);
  uint32_t once = player().playSound(*database, chime, effects);
  ASSERT_NE(looping, 0u);
  ASSERT_NE(once, 0u);
  // The dummy driver plays in real time: the 0.3 s sound ends, the loop not.
  SDL_Delay(600);
  player().update();
  EXPECT_TRUE(player().hasSound(looping));
  EXPECT_FALSE(player().hasSound(once));
  EXPECT_FALSE(player().stopSound(once));
  EXPECT_FALSE(player().setSoundPan(once, 0.0f));
  EXPECT_TRUE(player().setSoundPan(looping, -1.0f));
  EXPECT_TRUE(player().setSoundFrequency(looping, 2.0f));
  EXPECT_TRUE(player().stopSound(looping));
  player().update();
  EXPECT_EQ(player().soundCount(), 0u);
}

TEST_F(PlayerTest, ShutdownSilencesEveryCall) {
  player().playSound(*database, beep, true, 1.0f, 0.0f, 1.0f, effects);
  EXPECT_TRUE(player().shutdown());
  EXPECT_FALSE(player().isInitialized());
  EXPECT_EQ(player().soundCount(), 0u);
  EXPECT_EQ(player().playSound(*database, beep, effects), 0u);
  player().queueSound(*database, beep, effects);
  player().update();
  EXPECT_EQ(player().soundCount(), 0u);
}

// A driver that does not exist: reported as a warning, and the player stays
// silent rather than ending the program.
TEST(AudioPlayer, AMixerThatDoesNotOpenLeavesThePlayerSilent) {
  const char *old = getenv("SDL_AUDIODRIVER");
  std::string saved = old ? old : "";
  setenv("SDL_AUDIODRIVER", "noSuchDriver", 1);
  testing::internal::CaptureStderr();
  bool opened = audio::Player::instance().initialize();
  std::string log = testing::internal::GetCapturedStderr();
  if (old)
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
  else
    unsetenv("SDL_AUDIODRIVER");
  EXPECT_FALSE(opened);
  EXPECT_FALSE(audio::Player::instance().isInitialized());
  EXPECT_NE(log.find("WARNING"), std::string::npos) << log;
  EXPECT_NE(log.find("Failed to "), std::string::npos) << log;
  audio::Player::destroyInstance();
}

// A loop shorter than a frame restarts many times between two updates; the
// player must never see it as finished in between.
TEST_F(PlayerTest, ShortLoopsAreNeverTakenForFinished) {
  container::Vector<soundpack::BankEntry> entries;
  entries.push(toneEntry(L"tick", 0.005f));
  ASSERT_TRUE(loadBank(entries));
  for (int i = 0; i < 8; ++i)
    ASSERT_NE(player().playSound(*database, Symbol::intern(L"tick"), true, 1, 0, 1, effects), 0u);
  for (int frame = 0; frame < 400; ++frame) {
    SDL_Delay(1);
    player().update();
    ASSERT_EQ(player().soundCount(), 8u) << frame;
  }
}
