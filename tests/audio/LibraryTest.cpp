#include "AudioTestSupport.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"

#include <SDL_mixer.h>

using testing_support::AudioTest;
using testing_support::toneEntry;

namespace {

const uint32_t effects = audio::Sound::GROUP_SOUND_EFFECTS;

std::string bytesOf(const container::Vector<uint8_t> &v) {
  return std::string(reinterpret_cast<const char *>(v.data()), v.size());
}

// A directory of records written by hand; the sound bytes follow as given.
std::string
bankOf(std::initializer_list<std::pair<const wchar_t *, std::pair<uint32_t, uint32_t>>> records,
       const std::string &rest, uint32_t count) {
  file::BufferBinary b;
  file::write(count, b);
  for (const auto &r : records) {
    file::write(Symbol::intern(r.first), b);
    file::write(r.second.first, b);
    file::write(r.second.second, b);
    file::write((unsigned char)1, b);
  }
  return std::string(reinterpret_cast<const char *>(b.data()), b.size()) + rest;
}

} // namespace

TEST_F(AudioTest, ABankOfCountZeroIsAnEmptyLibrary) {
  folder.write("empty.dat", bankOf({}, "", 0));
  EXPECT_TRUE(library().loadSoundBank(folder.wide("empty.dat")));
  EXPECT_EQ(library().count(), 0u);
  EXPECT_FALSE(library().contains(Symbol::intern(L"beep")));
  EXPECT_EQ(library().lookup(Symbol::intern(L"beep")), nullptr);
}

TEST_F(AudioTest, TheLaterOfTwoRecordsOfOneNameWins) {
  std::string wav = bytesOf(toneEntry(L"x", 0.05f).wav);
  std::string head = bankOf({{L"same", {0, 0}}, {L"same", {0, 0}}}, "", 2);
  uint32_t first = uint32_t(head.size()), second = first + uint32_t(wav.size());
  folder.write("two.dat", bankOf({{L"same", {first, uint32_t(wav.size())}},
                                  {L"same", {second, uint32_t(wav.size())}}},
                                 wav + wav, 2));
  ASSERT_TRUE(library().loadSoundBank(folder.wide("two.dat")));
  EXPECT_EQ(library().count(), 1u);
  ASSERT_NE(library().lookup(Symbol::intern(L"same")), nullptr);
  EXPECT_EQ(library().lookup(Symbol::intern(L"same"))->offset(), second);
  EXPECT_NE(library().lookup(Symbol::intern(L"same"))->chunk(), nullptr);
}

TEST_F(AudioTest, ChunksOfPlayingAndQueuedSoundsAreKept) {
  ASSERT_TRUE(opened);
  container::Vector<soundpack::BankEntry> entries;
  entries.push(toneEntry(L"playing", 0.3f));
  entries.push(toneEntry(L"queued", 0.3f));
  entries.push(toneEntry(L"idle", 0.3f));
  ASSERT_TRUE(loadBank(entries));
  audio::SoundBuffer *playing = library().lookup(Symbol::intern(L"playing"));
  audio::SoundBuffer *queued = library().lookup(Symbol::intern(L"queued"));
  audio::SoundBuffer *idle = library().lookup(Symbol::intern(L"idle"));
  EXPECT_FALSE(playing->hasChunk());
  ASSERT_NE(audio::Player::instance().playSound(*database, playing->name(), true, 1, 0, 1, effects),
            0u);
  EXPECT_TRUE(playing->hasChunk());
  EXPECT_TRUE(queued->loadChunk());
  EXPECT_TRUE(idle->loadChunk());
  audio::Player::instance().queueSound(*database, queued->name(), effects);
  library().freeUnusedChunks();
  EXPECT_TRUE(playing->hasChunk());
  EXPECT_TRUE(queued->hasChunk());
  EXPECT_FALSE(idle->hasChunk());
  // Decoded again on the next play.
  EXPECT_NE(audio::Player::instance().playSound(*database, idle->name(), effects), 0u);
  EXPECT_TRUE(idle->hasChunk());
}

// Every truncation of a bank loads without crashing: the records that lie
// inside it play, the others are dropped with one report.
TEST_F(AudioTest, NoTruncationOfTheBankCrashes) {
  ASSERT_TRUE(opened);
  container::Vector<soundpack::BankEntry> entries;
  entries.push(toneEntry(L"a", 0.004f));
  entries.push(toneEntry(L"b", 0.004f, 2));
  ASSERT_TRUE(soundpack::writeBank(entries, folder.wide("whole.dat")));
  std::string whole = folder.read("whole.dat");
  ASSERT_GT(whole.size(), 100u);
  for (size_t n = 0; n <= whole.size(); ++n) {
    folder.write("cut.dat", whole.substr(0, n));
    testing::internal::CaptureStderr();
    library().loadSoundBank(folder.wide("cut.dat"));
    std::string log = testing::internal::GetCapturedStderr();
    uint32_t plays = 0;
    for (const wchar_t *name : {L"a", L"b"})
      plays += audio::Player::instance().playSound(*database, Symbol::intern(name), effects) != 0;
    audio::Player::instance().stopAll();
    database->unload(CorvaneDatabase::LOAD_SOUNDS);
    if (n == whole.size()) {
      EXPECT_EQ(plays, 2u);
      EXPECT_EQ(log, "");
    } else if (n > 4) {
      EXPECT_NE(log.find("is damaged"), std::string::npos) << n;
      EXPECT_EQ(log.find("is damaged"), log.rfind("is damaged")) << n;
    }
  }
}

TEST_F(AudioTest, ASoundThatDoesNotDecodeIsReportedAndPlaysNothing) {
  ASSERT_TRUE(opened);
  std::string junk(64, 'j');
  std::string head = bankOf({{L"junk", {0, 0}}}, "", 1);
  folder.write("junk.dat", bankOf({{L"junk", {uint32_t(head.size()), 64}}}, junk, 1));
  ASSERT_TRUE(library().loadSoundBank(folder.wide("junk.dat")));
  testing::internal::CaptureStderr();
  EXPECT_EQ(audio::Player::instance().playSound(*database, Symbol::intern(L"junk"), effects), 0u);
  EXPECT_EQ(audio::Player::instance().playSound(*database, Symbol::intern(L"junk"), effects), 0u);
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Sound does not decode: junk"), std::string::npos) << log;
  EXPECT_EQ(log.find("Sound does not decode"), log.rfind("Sound does not decode"));
}

TEST_F(AudioTest, AMissingBankIsReportedAndNothingPlays) {
  testing::internal::CaptureStderr();
  EXPECT_FALSE(library().loadSoundBank(folder.wide("none.dat")));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Sound bank cannot be opened"), std::string::npos) << log;
  EXPECT_EQ(audio::Player::instance().playSound(*database, Symbol::intern(L"beep"), 0), 0u);
}
