// The stand-ins for the level-complete and level-failed pages: the totals
// they show and the level a tap plays.

#include "EngineTestSupport.h"

#include "gui/PageLevelFailed.h"
#include "gui/PageLevelTotals.h"
#include "input/InputEvent.h"

#include <gtest/gtest.h>

using enginetest::EngineTest;

namespace {

class StandInPages : public EngineTest {
protected:
  template <typename P> P *shown() {
    auto *page = new P;
    GUI::PageFactory::instance()->addPage(page);
    page->enter();
    page->update(0.01f);
    return page;
  }
  static framework::InputEvent tap() {
    framework::InputEvent event;
    event.kind = framework::InputEvent::BUTTON_DOWN;
    return event;
  }
};

std::string utf8(const String &line) {
  container::Vector<char> bytes;
  line.toUtf8(bytes);
  return bytes.data();
}

} // namespace

TEST_F(StandInPages, TheTotalsOfTheCompletedLevelThenTheNextLevelOnATap) {
  complete(0, 1234);
  auto *totals = shown<GUI::PageLevelTotals>();
  ASSERT_EQ(totals->state(), uint32_t(GUI::Page::ACTIVE));
  ASSERT_EQ(totals->lines().size(), 4u);
  EXPECT_EQ(utf8(totals->lines()[0]), "Score: 0");
  EXPECT_EQ(utf8(totals->lines()[1]), "Time Bonus: 0");
  EXPECT_EQ(utf8(totals->lines()[2]), "Ball Bonus: 1000");
  EXPECT_EQ(utf8(totals->lines()[3]), "Total: 1234");

  writeLevel(1);
  totals->onPointerDown(tap());
  EXPECT_EQ(profile().currentLevel(), 1u);
  EXPECT_EQ(engine->state(), uint32_t(Engine::PLAYING));
  ASSERT_NE(engine->staged(), nullptr);
}

TEST_F(StandInPages, AFailedLevelIsPlayedAgainOnATap) {
  writeLevel(0);
  engine->restartLevel();
  engine->staged()->failed = true;
  engine->update(0.03f);
  ASSERT_EQ(engine->state(), uint32_t(Engine::FAILED));
  GUI::Page *failed = GUI::PageFactory::page(SYM(L"levelFailed"));
  if (!failed)
    failed = shown<GUI::PageLevelFailed>();
  failed->onPointerDown(tap());
  EXPECT_EQ(engine->state(), uint32_t(Engine::PLAYING));
  // A new level, not failed.
  ASSERT_NE(engine->staged(), nullptr);
  EXPECT_FALSE(engine->staged()->failed);
  EXPECT_EQ(profile().currentLevel(), 0u);
}
