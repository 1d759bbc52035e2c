#include "GuiTestSupport.h"

#include "gui/PageSound.h"

using namespace guitest;
using framework::InputEvent;
using GUI::Page;

namespace {

class PageTest : public GuiTest {
protected:
  PageTest() { GUI::setPageSoundPlayer(&sounds); }
  ~PageTest() override { GUI::setPageSoundPlayer(nullptr); }

  Page *makePage(const char *name, math::Rectangle box = rect(0, 0, 100, 100)) {
    auto *page = new Page;
    page->setName(Symbol::intern(String(std::wstring(name, name + strlen(name)).c_str())));
    page->setHitArea(new math::Rectangle(box));
    GUI::PageFactory::instance()->addPage(page);
    return page;
  }

  NotingSounds sounds;
};

TEST_F(PageTest, EnterWithDefaultRecordsIsActiveWithinTheCall) {
  Page *page = makePage("p");
  page->addChild(new Probe("w"));
  page->stateTransition(Page::ENTER).code = code(L"\"enterCode\" note");
  page->stateTransition(Page::ENTER).sound = Symbol::intern(L"whoosh");
  page->stateTransition(Page::ACTIVE).code = code(L"\"activeCode\" note");
  EXPECT_EQ(page->state(), uint32_t(Page::INACTIVE));
  page->enter();
  EXPECT_EQ(page->state(), uint32_t(Page::ACTIVE));
  EXPECT_EQ(g_log, "sound:whoosh enterCode w.onEnter activeCode w.onActive ");
  // Entering again does nothing.
  g_log.clear();
  page->enter();
  EXPECT_EQ(g_log, "");
}

TEST_F(PageTest, TimedEnterSwitchesOnTheFirstUpdatePastIt) {
  Page *page = makePage("p");
  page->stateTransition(Page::ENTER).duration = 0.5f;
  page->enter();
  EXPECT_EQ(page->state(), uint32_t(Page::ENTER));
  page->update(0.25f);
  page->update(0.25f);
  EXPECT_EQ(page->state(), uint32_t(Page::ENTER));
  page->update(0.01f);
  EXPECT_EQ(page->state(), uint32_t(Page::ACTIVE));
  EXPECT_EQ(page->stateTime(), 0.0f);
}

TEST_F(PageTest, ExitOnAnInactivePageDoesNothing) {
  Page *page = makePage("p");
  page->stateTransition(Page::EXIT).code = code(L"\"exitCode\" note");
  page->exit();
  EXPECT_EQ(page->state(), uint32_t(Page::INACTIVE));
  EXPECT_EQ(g_log, "");
  page->enter();
  page->exit();
  EXPECT_EQ(page->state(), uint32_t(Page::INACTIVE));
  EXPECT_EQ(g_log, "exitCode ");
}

TEST_F(PageTest, ModalPageSwallowsEveryEvent) {
  Page *page = makePage("p");
  page->setModal(true);
  page->enter();
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 500, 500)));
  EXPECT_TRUE(page->handleEvent(key('a')));
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 1, 1)));
  page->exit();
  EXPECT_FALSE(page->handleEvent(key('a')));
}

TEST_F(PageTest, TabCyclesFocusShiftWrapsCtrlPassesOn) {
  Page *page = makePage("p");
  auto *a = new Probe("a");
  auto *b = new Probe("b");
  auto *c = new Probe("c");
  for (Probe *w : {a, b, c}) {
    w->setKeyboardFocusable(true);
    page->addChild(w);
  }
  page->collectFocusable();
  page->enter();
  page->setKeyboardFocus(a);
  EXPECT_TRUE(page->handleEvent(key(9, 1)));
  EXPECT_EQ(page->keyboardFocus(), c);
  EXPECT_TRUE(page->handleEvent(key(9)));
  EXPECT_EQ(page->keyboardFocus(), a);
  // With Ctrl held the Tab goes to the focus widget like any key.
  g_log.clear();
  page->handleEvent(key(9, 4));
  EXPECT_EQ(page->keyboardFocus(), a);
  EXPECT_EQ(g_log.rfind("a.key", 0), 0u);
}

TEST_F(PageTest, ReturnReachesTheDefaultWidgetOverTheFocus) {
  Page *page = makePage("p");
  auto *focus = new Probe("focus", math::Rectangle(), true);
  auto *fallback = new Probe("default", math::Rectangle(), true);
  page->addChild(focus);
  page->addChild(fallback);
  page->enter();
  page->setKeyboardFocus(focus);
  page->setDefaultWidget(fallback);
  g_log.clear();
  EXPECT_TRUE(page->handleEvent(key(13)));
  EXPECT_EQ(g_log, "default.key ");
  g_log.clear();
  EXPECT_TRUE(page->handleEvent(key(271)));
  EXPECT_EQ(g_log, "default.key ");
  g_log.clear();
  EXPECT_TRUE(page->handleEvent(key('q')));
  EXPECT_EQ(g_log, "focus.key ");
}

TEST_F(PageTest, DropDownClosesOnAnUnconsumedPressOutside) {
  Page *page = makePage("p", rect(0, 0, 50, 50));
  page->setDropDown(true);
  page->enter();
  page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 10, 10));
  EXPECT_EQ(page->state(), uint32_t(Page::ACTIVE));
  page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 200, 200));
  EXPECT_EQ(page->state(), uint32_t(Page::INACTIVE));
}

TEST_F(PageTest, CallMethodRunsTheValueCodeAndRefusesWhatIsMissing) {
  // A widget whose written "value" is code.
  class Coded : public GUI::Widget {
  public:
    void write(quip::Dictionary &d) const override {
      Widget::write(d);
      d.set(Symbol::intern(L"value"), quip::Token(code(L"note note this note"), true));
    }
  };
  Page *page = makePage("p");
  auto *coded = new Coded;
  coded->setName(Symbol::intern(L"coded"));
  page->addChild(coded);
  auto *plain = new Probe("plain");
  page->addChild(plain);
  quip::Array arguments(0);
  arguments.append(quip::Token(1.0f));
  arguments.append(quip::Token(2.0f));
  EXPECT_TRUE(page->callMethod(Symbol::intern(L"coded"), arguments));
  EXPECT_EQ(g_log, "1 2 'coded' ");
  g_log.clear();
  EXPECT_FALSE(page->callMethod(Symbol::intern(L"plain"), arguments));
  EXPECT_FALSE(page->callMethod(Symbol::intern(L"nobody"), arguments));
  EXPECT_EQ(g_log, "");
}

TEST_F(PageTest, LoadReadsStatesAndTheStateName) {
  Page *page = makePage("p");
  auto *ok = new Probe("ok");
  page->addChild(ok);
  quip::Interpreter *maker = scripts->spawn(code(
      L"( layer: gui: modal: true: default: ok: states: ( enter: ( duration: 2 sound: ding: ) ) "
      L"state: active: )"));
  quip::Token settings = scripts->finish(maker);
  ASSERT_TRUE(settings.isDictionary());
  page->load(settings.dictionary());
  EXPECT_TRUE(page->modal());
  EXPECT_EQ(page->defaultWidget(), ok);
  EXPECT_EQ(page->stateTransition(Page::ENTER).duration, 2.0f);
  EXPECT_STREQ(page->stateTransition(Page::ENTER).sound.text(), L"ding");
  EXPECT_EQ(page->state(), uint32_t(Page::ACTIVE));
}

} // namespace
