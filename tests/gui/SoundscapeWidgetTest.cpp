// The soundscape widget chooses among the soundscapes already playing: it
// fades the others out and starts none.

#include "audio/AudioTestSupport.h"

#include "audio/Soundscape.h"
#include "audio/SoundscapeManager.h"
#include "gui/SoundscapeWidget.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"

using testing_support::AudioTest;
using testing_support::toneEntry;

namespace {

class SoundscapeWidgetTest : public AudioTest {
protected:
  void SetUp() override {
    AudioTest::SetUp();
    ASSERT_TRUE(opened) << openLog;
    container::Vector<soundpack::BankEntry> entries;
    entries.push(toneEntry(L"wind", 0.2f));
    ASSERT_TRUE(loadBank(entries));
    // Three soundscapes of one long looping sound each.
    std::string all = "[";
    for (const char *name : {"a", "b", "c"})
      all += std::string(" (name: ") + name +
             ": sounds: [ (sound: wind: immediateStart: true: intervalStart: 100"
             " intervalEnd: 100 loop: true: loopDuration: 100) ])";
    folder.write("config/soundscapes.!", all + " ]");
    quip::ScriptManager scripts(Symbol::intern(L"soundscapeWidgetTest"));
    ASSERT_TRUE(scapes().load(folder.wide("config/soundscapes.!"), scripts));
  }
  void TearDown() override {
    audio::SoundscapeManager::destroyInstance();
    AudioTest::TearDown();
  }
  audio::SoundscapeManager &scapes() { return audio::SoundscapeManager::instance(); }
  audio::Soundscape &scape(const wchar_t *name) { return *scapes().find(Symbol::intern(name)); }
  // The widget's frame, then the soundscapes'.
  void frame(GUI::SoundscapeWidget &widget, float dt) {
    widget.update(dt);
    scapes().update(dt);
  }
  quip::Dictionary settings(const wchar_t *text) {
    quip::ScriptManager scripts(Symbol::intern(L"settings"));
    m_value = scripts.finish(scripts.spawn(quip::translate(String(text), String(L"t"))));
    return m_value.dictionary();
  }

private:
  quip::Token m_value;
};

} // namespace

TEST_F(SoundscapeWidgetTest, EveryOtherActiveSoundscapeFadesOutOverThreeSeconds) {
  scapes().start(Symbol::intern(L"a"));
  scapes().start(Symbol::intern(L"b"));
  GUI::SoundscapeWidget widget;
  widget.load(settings(L"( name: a: )"));
  frame(widget, 0.1f);
  EXPECT_TRUE(scape(L"b").isFading());
  EXPECT_FALSE(scape(L"a").isFading());
  // One that is not playing stays silent.
  EXPECT_FALSE(scape(L"c").isActive());
  // Selected every frame, the fade still ends after three seconds.
  for (int i = 0; i < 14; ++i)
    frame(widget, 0.1f);
  EXPECT_NEAR(scape(L"b").fadeFactor(), 0.5f, 1e-3f);
  for (int i = 0; i < 16; ++i)
    frame(widget, 0.1f);
  EXPECT_FALSE(scape(L"b").isActive());
  EXPECT_TRUE(scape(L"a").isActive());
  EXPECT_FALSE(scape(L"c").isActive());
}

TEST_F(SoundscapeWidgetTest, WithoutANameItSelectsSilence) {
  scapes().start(Symbol::intern(L"a"));
  GUI::SoundscapeWidget widget;
  widget.load(settings(L"( visible: true: )"));
  EXPECT_TRUE(widget.soundscape().isEmpty());
  frame(widget, 0.1f);
  EXPECT_TRUE(scape(L"a").isFading());
}
