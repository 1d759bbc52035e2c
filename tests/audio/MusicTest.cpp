#include "AudioTestSupport.h"

#include "audio/Music.h"
#include "audio/MusicElement.h"
#include "audio/MusicPlayer.h"
#include "math/Random.h"
#include "quip/ScriptManager.h"

#include <cmath>

using testing_support::AudioTest;
using testing_support::toneEntry;

namespace {

class MusicTest : public AudioTest {
protected:
  void SetUp() override {
    AudioTest::SetUp();
    ASSERT_TRUE(opened) << openLog;
    container::Vector<soundpack::BankEntry> entries;
    entries.push(toneEntry(L"low", 0.2f));
    entries.push(toneEntry(L"high", 0.2f));
    ASSERT_TRUE(loadBank(entries));
    Random::globalSeed(11);
  }
  void TearDown() override {
    audio::MusicPlayer::destroyInstance();
    AudioTest::TearDown();
  }
  // The musics of a script written to the folder.
  void load(const std::string &script) {
    folder.write("config/music.!", script);
    quip::ScriptManager scripts(Symbol::intern(L"musicTest"));
    ASSERT_TRUE(musics().load(folder.wide("config/music.!"), scripts));
  }
  audio::MusicPlayer &musics() { return audio::MusicPlayer::instance(); }
  audio::Music &music(const wchar_t *name) { return *musics().find(Symbol::intern(name)); }
  void run(float seconds, float dt = 0.1f) {
    for (float t = 0; t < seconds - 1e-4f; t += dt) {
      musics().update(dt);
      player().update();
    }
  }
};

} // namespace

TEST_F(MusicTest, ReadsItsDefinitionsAndKeepsDefaults) {
  load("[ (name: calm: silenceRange: [1 2] elements: [ (sound: low: durationRange: [3 4]"
       " fadeIn: true: fadeInStart: 0.2 fadeInDuration: 2 allowRepeat: false:) (sound: high:) ])"
       "  (name: other: elements: []) 5 ]");
  EXPECT_EQ(musics().count(), 2u);
  audio::Music &calm = music(L"calm");
  EXPECT_EQ(calm.silenceRange.high, 2.0f);
  ASSERT_EQ(calm.elements().size(), 2u);
  const audio::MusicElement &first = *calm.elements()[0];
  EXPECT_EQ(first.sound, Symbol::intern(L"low"));
  EXPECT_EQ(first.durationRange.low, 3.0f);
  EXPECT_TRUE(first.fadeIn);
  EXPECT_FALSE(first.allowRepeat);
  const audio::MusicElement &second = *calm.elements()[1];
  EXPECT_EQ(second.volumeRange.low, 1.0f);
  EXPECT_TRUE(second.allowRepeat);
  EXPECT_FALSE(second.infinite);
  EXPECT_FALSE(calm.isActive());
  // A music without elements does not start; an unknown name does nothing.
  musics().start(Symbol::intern(L"other"), false, 0);
  EXPECT_FALSE(music(L"other").isActive());
  musics().start(Symbol::intern(L"nothing"), true, 1);
  EXPECT_EQ(musics().level(), 0.0f);
}

TEST_F(MusicTest, AnElementThatMayNotRepeatPlaysOnce) {
  load("[ (name: once: elements: [ (sound: low: durationRange: [1 1] allowRepeat: false:) ]) ]");
  musics().start(Symbol::intern(L"once"), false, 0);
  EXPECT_TRUE(music(L"once").current()->isPlaying());
  EXPECT_EQ(player().soundCount(), 1u);
  run(3.0f);
  EXPECT_TRUE(music(L"once").isActive());
  EXPECT_EQ(music(L"once").current(), nullptr);
  EXPECT_EQ(player().soundCount(), 0u);
  EXPECT_EQ(musics().level(), 0.0f);
}

TEST_F(MusicTest, ElementsFollowEachOtherAfterASilence) {
  load(
      "[ (name: loop: silenceRange: [0.5 0.5] elements: [ (sound: low: durationRange: [1 1]) ]) ]");
  musics().start(Symbol::intern(L"loop"), false, 0);
  run(1.1f);
  EXPECT_EQ(music(L"loop").current(), nullptr);
  run(0.5f);
  ASSERT_NE(music(L"loop").current(), nullptr);
  EXPECT_TRUE(music(L"loop").current()->isPlaying());
}

TEST_F(MusicTest, FadeInFromAFifthOverTwoSecondsAtHalfVolume) {
  load("[ (name: soft: elements: [ (sound: low: infinite: true: volumeRange: [0.5 0.5]"
       " fadeIn: true: fadeInStart: 0.2 fadeInDuration: 2) ]) ]");
  musics().start(Symbol::intern(L"soft"), false, 0);
  EXPECT_NEAR(musics().level(), 0.1f, 1e-5f);
  run(1.0f);
  EXPECT_NEAR(musics().level(), 0.3f, 1e-4f);
  run(1.0f);
  EXPECT_NEAR(musics().level(), 0.5f, 1e-4f);
  // The channel follows: 0.5 of 128.
  audio::Sound *sound = player().find(music(L"soft").current()->soundId());
  ASSERT_NE(sound, nullptr);
  EXPECT_NEAR(sound->volume(), 0.5f, 1e-4f);
}

TEST_F(MusicTest, StartingAnotherFadesTheFirstAndStartingItAgainCancelsTheFade) {
  load("[ (name: a: elements: [ (sound: low: infinite: true:) ])"
       "  (name: b: elements: [ (sound: high: infinite: true:) ]) ]");
  musics().start(Symbol::intern(L"a"), false, 0);
  audio::MusicElement *first = music(L"a").current();
  musics().start(Symbol::intern(L"a"), false, 0);
  EXPECT_EQ(music(L"a").current(), first);
  EXPECT_FALSE(music(L"a").isFading());

  musics().start(Symbol::intern(L"b"), true, 2.0f);
  EXPECT_TRUE(music(L"a").isFading());
  EXPECT_TRUE(music(L"b").isActive());
  run(1.0f);
  EXPECT_NEAR(music(L"a").fadeFactor(), 0.5f, 1e-4f);
  musics().start(Symbol::intern(L"a"), false, 0);
  EXPECT_TRUE(music(L"a").isActive());
  EXPECT_FALSE(music(L"a").isFading());
  EXPECT_EQ(music(L"a").current(), first);
  // Without fading the other stops at once.
  EXPECT_FALSE(music(L"b").isActive());
  musics().start(Symbol::intern(L"b"), true, 1.0f);
  run(1.2f);
  EXPECT_FALSE(music(L"a").isActive());
}

// The level between a fade of no length and the next update is 0, not 0/0.
TEST_F(MusicTest, AFadeOfNoLengthIsComplete) {
  load("[ (name: a: elements: [ (sound: low: durationRange: [2 2] fadeOut: true:"
       " fadeOutDuration: 0 fadeOutEnd: 0.5) ]) ]");
  musics().start(Symbol::intern(L"a"), false, 0);
  run(0.5f);
  EXPECT_EQ(musics().level(), 1.0f);
  musics().fadeOutAll(0.0f);
  EXPECT_EQ(musics().level(), 0.0f);
  EXPECT_FALSE(std::isnan(musics().level()));
  run(0.1f);
  EXPECT_FALSE(music(L"a").isActive());

  // An element fade-out of no length holds its end volume past the end.
  audio::MusicElement element(nullptr);
  element.fadeOut = true;
  element.fadeOutEnd = 0.5f;
  element.durationRange = quip::Range(0.0f, 0.0f);
  element.sound = Symbol::intern(L"low");
  element.play();
  element.update(0.0f);
  EXPECT_FALSE(std::isnan(element.fadedVolume()));
}

TEST_F(MusicTest, MuteForFiveSecondsOrUntilUnmuted) {
  load("[ (name: a: elements: [ (sound: low: infinite: true:) ]) ]");
  musics().start(Symbol::intern(L"a"), false, 0);
  musics().mute(5.0f);
  EXPECT_EQ(musics().level(), 0.0f);
  run(4.9f);
  EXPECT_TRUE(musics().muted());
  run(0.2f);
  EXPECT_FALSE(musics().muted());
  EXPECT_EQ(musics().level(), 1.0f);
  musics().mute(-1.0f);
  run(20.0f, 1.0f);
  EXPECT_TRUE(musics().muted());
  musics().unmute();
  EXPECT_EQ(musics().level(), 1.0f);
}
