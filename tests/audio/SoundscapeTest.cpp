#include "AudioTestSupport.h"

#include "audio/Music.h"
#include "audio/MusicPlayer.h"
#include "audio/Soundscape.h"
#include "audio/SoundscapeManager.h"
#include "audio/SoundscapeSound.h"
#include "gui/SoundscapeWidget.h"
#include "math/Random.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"

#include <cmath>

using testing_support::AudioTest;
using testing_support::toneEntry;

namespace {

class SoundscapeTest : public AudioTest {
protected:
  void SetUp() override {
    AudioTest::SetUp();
    ASSERT_TRUE(opened) << openLog;
    container::Vector<soundpack::BankEntry> entries;
    entries.push(toneEntry(L"wind", 0.2f));
    entries.push(toneEntry(L"theme", 0.2f));
    ASSERT_TRUE(loadBank(entries));
    Random::globalSeed(5);
  }
  void TearDown() override {
    audio::SoundscapeManager::destroyInstance();
    audio::MusicPlayer::destroyInstance();
    AudioTest::TearDown();
  }
  void load(const std::string &script) {
    folder.write("config/soundscapes.!", script);
    quip::ScriptManager scripts(Symbol::intern(L"soundscapeTest"));
    ASSERT_TRUE(scapes().load(folder.wide("config/soundscapes.!"), scripts));
  }
  audio::SoundscapeManager &scapes() { return audio::SoundscapeManager::instance(); }
  audio::Soundscape &scape(const wchar_t *name) { return *scapes().find(Symbol::intern(name)); }
  audio::SoundscapeSound &first(const wchar_t *name) { return *scape(name).sounds()[0]; }
  void step(float dt = 0.1f) {
    audio::MusicPlayer::instance().update(dt);
    scapes().update(dt);
    player().update();
  }
};

} // namespace

TEST_F(SoundscapeTest, ReadsItsDefinitionsWithDefaults) {
  load("[ (name: breeze: trackMusicVolume: true: sounds: [ (sound: wind: intervalStart: 2"
       " intervalEnd: 4 loop: true: loopDuration: 6) (sound: wind:) ]) (name: calm:) ]");
  EXPECT_EQ(scapes().count(), 2u);
  EXPECT_TRUE(scape(L"breeze").trackMusicVolume);
  EXPECT_FALSE(scape(L"calm").trackMusicVolume);
  ASSERT_EQ(scape(L"breeze").sounds().size(), 2u);
  EXPECT_EQ(first(L"breeze").intervalEnd, 4.0f);
  EXPECT_TRUE(first(L"breeze").loop);
  const audio::SoundscapeSound &plain = *scape(L"breeze").sounds()[1];
  EXPECT_EQ(plain.volumeMin, 1.0f);
  EXPECT_EQ(plain.frequencyMax, 1.0f);
  EXPECT_FALSE(plain.immediateStart);
  EXPECT_EQ(plain.nextStart(), 0.0f);
  EXPECT_EQ(scapes().findNames(String(L"BREE")).size(), 1u);
  // Names that no soundscape has do nothing.
  scapes().start(Symbol::intern(L"none"));
  scapes().fadeOut(Symbol::intern(L"none"), 1.0f);
  scapes().switchTo(Symbol::intern(L"none"));
  EXPECT_FALSE(scape(L"breeze").isActive());
}

TEST_F(SoundscapeTest, ASoundStartsEveryTwoToFourSeconds) {
  load("[ (name: s: sounds: [ (sound: wind: intervalStart: 2 intervalEnd: 4) ]) ]");
  audio::SoundscapeSound &sound = first(L"s");
  sound.reset();
  EXPECT_GE(sound.nextStart(), 2.0f);
  EXPECT_LE(sound.nextStart(), 4.0f);
  scapes().start(Symbol::intern(L"s"));
  EXPECT_EQ(player().soundCount(), 0u);
  float lastStart = 0.0f;
  uint32_t starts = 0, lastId = 0;
  for (int frame = 0; frame < 300; ++frame) {
    step();
    if (sound.soundId() != lastId) {
      float gap = sound.timer() - lastStart;
      EXPECT_GE(gap, 2.0f - 1e-3f);
      EXPECT_LE(gap, 4.0f + 0.1f + 1e-3f);
      lastStart = sound.timer();
      lastId = sound.soundId();
      ++starts;
    }
  }
  EXPECT_GE(starts, 7u);
  EXPECT_LE(starts, 15u);
}

TEST_F(SoundscapeTest, WithoutAnIntervalASoundRestartsOnEveryUpdate) {
  load("[ (name: s: sounds: [ (sound: wind: immediateStart: true:) ]) ]");
  scapes().start(Symbol::intern(L"s"));
  uint32_t id = first(L"s").soundId();
  EXPECT_NE(id, 0u);
  for (int i = 0; i < 3; ++i) {
    step();
    EXPECT_NE(first(L"s").soundId(), id);
    id = first(L"s").soundId();
    EXPECT_EQ(player().soundCount(), 1u);
  }
}

TEST_F(SoundscapeTest, ALoopFadesOutFromFourToSixSeconds) {
  load("[ (name: s: sounds: [ (sound: wind: immediateStart: true: intervalStart: 100"
       " intervalEnd: 100 loop: true: loopDuration: 6 loopFadeOut: true:"
       " loopFadeOutDuration: 2) ]) ]");
  scapes().start(Symbol::intern(L"s"));
  audio::SoundscapeSound &sound = first(L"s");
  for (int i = 0; i < 35; ++i)
    step();
  EXPECT_FLOAT_EQ(sound.volumeFactor(), 1.0f);
  for (int i = 0; i < 15; ++i)
    step();
  EXPECT_NEAR(sound.volumeFactor(), 0.5f, 1e-3f);
  EXPECT_TRUE(sound.isPlaying());
  EXPECT_TRUE(player().hasSound(sound.soundId()));
  for (int i = 0; i < 11; ++i)
    step();
  EXPECT_FALSE(sound.isPlaying());
  EXPECT_FALSE(player().hasSound(sound.soundId()));
}

TEST_F(SoundscapeTest, UnderFullMusicItPlaysAtHalfVolume) {
  load("[ (name: s: trackMusicVolume: true: sounds: [ (sound: wind: immediateStart: true:"
       " intervalStart: 100 intervalEnd: 100 loop: true: loopDuration: 100) ]) ]");
  folder.write("config/music.!", "[ (name: m: elements: [ (sound: theme: infinite: true:) ]) ]");
  quip::ScriptManager scripts(Symbol::intern(L"musicTest"));
  audio::MusicPlayer &music = audio::MusicPlayer::instance();
  ASSERT_TRUE(music.load(folder.wide("config/music.!"), scripts));
  scapes().start(Symbol::intern(L"s"));
  music.start(Symbol::intern(L"m"), false, 0.0f);
  step();
  EXPECT_EQ(music.level(), 1.0f);
  audio::Sound *sound = player().find(first(L"s").soundId());
  ASSERT_NE(sound, nullptr);
  EXPECT_FLOAT_EQ(sound->volume(), 0.5f);

  // A music fade of no length leaves no NaN on the way to the channel.
  music.fadeOutAll(0.0f);
  EXPECT_EQ(music.level(), 0.0f);
  scapes().update(0.0f);
  EXPECT_FLOAT_EQ(sound->volume(), 1.0f);
}

TEST_F(SoundscapeTest, SwitchingToTheActiveOneFadesTheOthers) {
  load("[ (name: a: sounds: [ (sound: wind: immediateStart: true: intervalStart: 100"
       " intervalEnd: 100 loop: true: loopDuration: 100) ])"
       "  (name: b: sounds: [ (sound: wind: immediateStart: true: intervalStart: 100"
       " intervalEnd: 100 loop: true: loopDuration: 100) ]) ]");
  scapes().start(Symbol::intern(L"a"));
  scapes().start(Symbol::intern(L"b"));
  uint32_t id = first(L"a").soundId();
  scapes().switchTo(Symbol::intern(L"a"));
  EXPECT_TRUE(scape(L"a").isActive());
  EXPECT_FALSE(scape(L"a").isFading());
  EXPECT_EQ(first(L"a").soundId(), id);
  EXPECT_TRUE(scape(L"b").isFading());
  for (int i = 0; i < 15; ++i)
    step();
  EXPECT_NEAR(scape(L"b").fadeFactor(), 0.5f, 1e-3f);
  for (int i = 0; i < 16; ++i)
    step();
  EXPECT_FALSE(scape(L"b").isActive());
  EXPECT_FALSE(first(L"b").isPlaying());
  EXPECT_TRUE(scape(L"a").isActive());
  // After a reset only immediate sounds start at once; a fade of no length
  // resets at the next update.
  scapes().fadeOut(Symbol::intern(L"a"), 0.0f);
  EXPECT_EQ(scape(L"a").fadeFactor(), 0.0f);
  step();
  EXPECT_FALSE(scape(L"a").isActive());
}

// The soundscape widget chooses among the soundscapes already playing: it
// fades the others out and starts none.
namespace {

const char *ThreeLooping =
    "[ (name: a: sounds: [ (sound: wind: immediateStart: true:"
    " intervalStart: 100 intervalEnd: 100 loop: true: loopDuration: 100) ])"
    "  (name: b: sounds: [ (sound: wind: immediateStart: true:"
    " intervalStart: 100 intervalEnd: 100 loop: true: loopDuration: 100) ])"
    "  (name: c: sounds: [ (sound: wind: immediateStart: true:"
    " intervalStart: 100 intervalEnd: 100 loop: true: loopDuration: 100) ]) ]";

// A widget loaded from a script text, kept alive with its value.
struct WidgetOf {
  explicit WidgetOf(const wchar_t *text) {
    quip::ScriptManager scripts(Symbol::intern(L"settings"));
    value = scripts.finish(scripts.spawn(quip::translate(String(text), String(L"t"))));
    widget.load(value.dictionary());
  }
  quip::Token value;
  GUI::SoundscapeWidget widget;
};

} // namespace

TEST_F(SoundscapeTest, AWidgetFadesEveryOtherActiveSoundscapeOverThreeSeconds) {
  load(ThreeLooping);
  scapes().start(Symbol::intern(L"a"));
  scapes().start(Symbol::intern(L"b"));
  WidgetOf a(L"( name: a: )");
  auto frame = [&] {
    a.widget.update(0.1f);
    step();
  };
  frame();
  EXPECT_TRUE(scape(L"b").isFading());
  EXPECT_FALSE(scape(L"a").isFading());
  // One that is not playing stays silent.
  EXPECT_FALSE(scape(L"c").isActive());
  // Selected every frame, the fade still ends after three seconds.
  for (int i = 0; i < 14; ++i)
    frame();
  EXPECT_NEAR(scape(L"b").fadeFactor(), 0.5f, 1e-3f);
  for (int i = 0; i < 16; ++i)
    frame();
  EXPECT_FALSE(scape(L"b").isActive());
  EXPECT_TRUE(scape(L"a").isActive());
  EXPECT_FALSE(scape(L"c").isActive());
}

TEST_F(SoundscapeTest, AWidgetWithoutANameSelectsSilence) {
  load(ThreeLooping);
  scapes().start(Symbol::intern(L"a"));
  WidgetOf none(L"( visible: true: )");
  EXPECT_TRUE(none.widget.soundscape().isEmpty());
  none.widget.update(0.1f);
  EXPECT_TRUE(scape(L"a").isFading());
}
