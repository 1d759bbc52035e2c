// The mixer's real output: SDL's disk driver writes the mixed samples (16-bit
// little-endian, left and right interleaved) to a file as fast as it can.

#include "AudioTestSupport.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

using testing_support::AudioTest;
using testing_support::toneEntry;

namespace {

struct Peaks {
  int left = 0, right = 0;
};

class DiskDriverTest : public AudioTest {
protected:
  void SetUp() override {
    AudioTest::SetUp();
    container::Vector<soundpack::BankEntry> entries;
    entries.push(toneEntry(L"tone", 0.2f));
    ASSERT_TRUE(loadBank(entries));
    // Each recording opens a mixer of its own on the disk driver.
    audio::Player::destroyInstance();
  }
  void TearDown() override {
    restore("SDL_AUDIODRIVER", driver);
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
    AudioTest::TearDown();
  }
  static void restore(const char *name, const std::string &value) {
    if (value.empty())
      unsetenv(name);
    else
      setenv(name, value.c_str(), 1);
  }

  // Plays the tone once at that volume and pan and gives the peaks of the
  // written samples.
  Peaks record(float volume, float pan) {
    std::string out = folder.path("out.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    library().freeUnusedChunks();
    testing::internal::CaptureStderr();
    audio::Player &player = audio::Player::instance();
    bool opened = player.initialize();
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(opened) << log;
    uint32_t id = player.playSound(*database, Symbol::intern(L"tone"), false, volume, pan, 1.0f,
                                   audio::Sound::GROUP_SOUND_EFFECTS);
    EXPECT_NE(id, 0u);
    for (int waited = 0; waited < 5000 && player.hasSound(id); ++waited) {
      SDL_Delay(1);
      player.update();
    }
    EXPECT_FALSE(player.hasSound(id));
    audio::Player::destroyInstance();

    std::string bytes = folder.read("out.raw");
    std::vector<int16_t> samples(bytes.size() / 2);
    memcpy(samples.data(), bytes.data(), samples.size() * 2);
    Peaks peaks;
    for (size_t i = 0; i + 1 < samples.size(); i += 2) {
      peaks.left = std::max(peaks.left, std::abs(int(samples[i])));
      peaks.right = std::max(peaks.right, std::abs(int(samples[i + 1])));
    }
    return peaks;
  }

  std::string driver = getenv("SDL_AUDIODRIVER") ? getenv("SDL_AUDIODRIVER") : "";
};

} // namespace

TEST_F(DiskDriverTest, PannedHardLeftTheRightChannelIsSilent) {
  Peaks peaks = record(1.0f, -1.0f);
  EXPECT_GT(peaks.left, 4000);
  EXPECT_EQ(peaks.right, 0);
}

TEST_F(DiskDriverTest, ThreeQuartersVolumeGives96Of128OfThePeak) {
  Peaks full = record(1.0f, 0.0f);
  Peaks part = record(0.75f, 0.0f);
  ASSERT_GT(full.left, 2000);
  EXPECT_EQ(full.left, full.right);
  EXPECT_NEAR(double(part.left) / double(full.left), 96.0 / 128.0, 0.005);
  EXPECT_EQ(part.left, part.right);
}
