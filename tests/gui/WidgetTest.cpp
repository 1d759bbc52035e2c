#include "GuiTestSupport.h"

#include "file/BufferBinary.h"
#include "gui/Accelerator.h"
#include "support/NullCanvas.h"

using namespace guitest;
using GUI::Page;
using GUI::Widget;

namespace {

class WidgetTest : public GuiTest {
protected:
  // An active page on the whole screen holding the widgets.
  Page *activePage() {
    auto *page = new Page;
    page->setName(Symbol::intern(L"p"));
    page->setHitArea(new math::Rectangle(rect(0, 0, 320, 480)));
    GUI::PageFactory::instance()->addPage(page);
    return page;
  }
};

TEST_F(WidgetTest, RegistryNamesCountUpAndTakeRemoves) {
  GUI::WidgetRegistry *registry = GUI::WidgetRegistry::instance();
  Symbol first = registry->registerWidget(new Widget);
  Symbol second = registry->registerWidget(new Widget);
  EXPECT_STREQ(first.text(), L"#widget-0#");
  EXPECT_STREQ(second.text(), L"#widget-1#");
  Widget *taken = registry->take(first);
  ASSERT_NE(taken, nullptr);
  EXPECT_FALSE(registry->contains(first));
  EXPECT_EQ(registry->take(first), nullptr);
  delete taken;
  // Taking never lowers the counter.
  EXPECT_STREQ(registry->registerWidget(new Widget).text(), L"#widget-2#");
}

TEST_F(WidgetTest, SerializeWritesPositionVisibleThenChildren) {
  Widget parent;
  parent.addChild(new Widget);
  parent.addChild(new Widget);
  parent.setPosition(math::Vector2(3, 4));
  parent.children()[1]->setVisible(false);
  file::BufferBinary out;
  parent.serialize(out);
  EXPECT_EQ(out.tell(), 27u);

  Widget copy;
  copy.addChild(new Widget);
  copy.addChild(new Widget);
  out.seek(0);
  copy.deserialize(out);
  EXPECT_EQ(copy.position().x, 3.0f);
  EXPECT_EQ(copy.position().y, 4.0f);
  EXPECT_TRUE(copy.children()[0]->visible());
  EXPECT_FALSE(copy.children()[1]->visible());
}

TEST_F(WidgetTest, LoadingChildrenTwiceRebuildsAndSkipsUnknownNames) {
  GUI::WidgetRegistry *registry = GUI::WidgetRegistry::instance();
  quip::Array names(0);
  names.append(quip::Token(registry->registerWidget(new Probe("a")), false));
  names.append(quip::Token(Symbol::intern(L"#nobody#"), false));
  names.append(quip::Token(registry->registerWidget(new Probe("b")), false));
  quip::Dictionary settings;
  settings.set(Symbol::intern(L"children"), quip::Token(names, false));
  Widget parent;
  parent.load(settings);
  ASSERT_EQ(parent.children().size(), 2u);
  EXPECT_EQ(parent.children()[0]->parent(), &parent);
  EXPECT_EQ(registry->size(), 0u);

  quip::Array again(0);
  again.append(quip::Token(registry->registerWidget(new Probe("c")), false));
  settings.set(Symbol::intern(L"children"), quip::Token(again, false));
  parent.load(settings);
  ASSERT_EQ(parent.children().size(), 1u);
  EXPECT_STREQ(parent.children()[0]->name().text(), L"c");
}

TEST_F(WidgetTest, OverlappingChildrenHearEventsLastFirstAndFocusGoesFirst) {
  Page *page = activePage();
  auto *holder = new Probe("holder", rect(0, 0, 100, 100));
  auto *first = new Probe("first", rect(0, 0, 100, 100));
  auto *last = new Probe("last", rect(0, 0, 100, 100));
  holder->addChild(first);
  holder->addChild(last);
  page->addChild(holder);
  page->enter();
  g_log.clear();
  EXPECT_FALSE(page->handleEvent(pointer(framework::InputEvent::BUTTON_DOWN, 10, 10)));
  EXPECT_EQ(g_log, "last.down first.down holder.down ");

  g_log.clear();
  last->setConsume(true);
  EXPECT_TRUE(page->handleEvent(pointer(framework::InputEvent::BUTTON_DOWN, 10, 10)));
  EXPECT_EQ(g_log, "last.down ");

  // The focus widget takes a key before its children; others after them.
  g_log.clear();
  last->setConsume(false);
  page->setKeyboardFocus(holder);
  holder->handleEvent(key('x'));
  EXPECT_EQ(g_log, "holder.key last.key first.key ");
  g_log.clear();
  page->setKeyboardFocus(nullptr);
  holder->handleEvent(key('x'));
  EXPECT_EQ(g_log, "last.key first.key holder.key ");
}

TEST_F(WidgetTest, WidgetOutsideAPageTakesNoEventsAndDrawsNothing) {
  Probe loose("loose", rect(0, 0, 10, 10), true);
  EXPECT_FALSE(loose.isInteractive());
  EXPECT_FALSE(loose.shouldRender());
  EXPECT_FALSE(loose.handleEvent(pointer(framework::InputEvent::BUTTON_DOWN, 1, 1)));
  EXPECT_EQ(g_log, "");
}

TEST_F(WidgetTest, UpdateStopsAtAnInvisibleWidget) {
  Page *page = activePage();
  auto *outer = new Probe("outer");
  auto *inner = new Probe("inner");
  outer->addChild(inner);
  page->addChild(outer);
  page->enter();
  g_log.clear();
  outer->setVisible(false);
  page->update(0.1f);
  EXPECT_EQ(g_log, "outer.update ");
}

TEST_F(WidgetTest, KeyHandlerAnswersWhatItsCodeLeaves) {
  Page *page = activePage();
  auto *w = new Widget;
  page->addChild(w);
  page->enter();
  g_log.clear();
  // The stack holds the key code under the modifiers.
  w->setKeyPressCode(code(L"note note true:"));
  EXPECT_TRUE(w->onKeyPress(key(27, 3)));
  EXPECT_EQ(g_log, "3 27 ");
  w->setKeyPressCode(code(L"false:"));
  EXPECT_FALSE(w->onKeyPress(key(27)));
}

TEST_F(WidgetTest, NativeMethodKnowsOnlyApplyLayout) {
  Widget w;
  EXPECT_TRUE(w.callNativeMethod(Symbol::intern(L"applyLayout")));
  EXPECT_FALSE(w.callNativeMethod(Symbol::intern(L"spin")));
}

TEST_F(WidgetTest, CulledOnlyWhenOutsideTheScreen) {
  Page *page = activePage();
  auto *w = new Probe("w", rect(0, 0, 10, 10));
  page->addChild(w);
  page->enter();
  EXPECT_FALSE(w->isCulled());
  w->setPosition(math::Vector2(400, 0));
  EXPECT_TRUE(w->isCulled());
  // Edges touching count as inside.
  w->setPosition(math::Vector2(320, 0));
  EXPECT_FALSE(w->isCulled());
}

TEST_F(WidgetTest, RemoveChildOfAStrangerChangesNothing) {
  Widget parent, other;
  auto *child = new Widget;
  other.addChild(child);
  parent.removeChild(child);
  EXPECT_EQ(other.children().size(), 1u);
  other.removeChild(child);
  EXPECT_TRUE(other.children().isEmpty());
}

} // namespace

namespace {

TEST_F(WidgetTest, ScriptTrackFiresOverTheStepJustTaken) {
  Page *page = activePage();
  page->stateTransition(Page::ACTIVE).duration = -1;
  auto *w = new Widget;
  quip::Token settings = scripts->finish(scripts->spawn(
      code(L"( scriptChannel: ( active: ( frames: [ ( type: scriptFrame: time: 0.15 code: { "
           L"\"fired\" note } ) ] ) ) )")));
  ASSERT_TRUE(settings.isDictionary());
  w->load(settings.dictionary());
  page->addChild(w);
  page->enter();
  page->update(0.1f);
  EXPECT_EQ(g_log, "");
  page->update(0.1f);
  EXPECT_EQ(g_log, "fired ");
  page->update(0.1f);
  EXPECT_EQ(g_log, "fired ");
}

TEST_F(WidgetTest, TooltipWithoutItsFontDrawsNothing) {
  Page *page = activePage();
  auto *w = new Widget;
  page->addChild(w);
  page->enter();
  testing_support::NullCanvas canvas;
  w->drawTooltip(canvas, String(L"tip"));
  page->render(canvas);
  SUCCEED();
}

} // namespace

namespace {

// Values of the wrong type are skipped like absent keys, never read as
// another kind of value.
TEST_F(WidgetTest, MistypedKeysAreSkipped) {
  Widget w;
  w.setName(Symbol::intern(L"kept"));
  w.load(dictionaryOf(L"( name: 5 children: 7 onKeyPress: x: scriptChannel: 4 bounds: 2 "
                      L"hAlign: 3 visible: true: )"));
  EXPECT_STREQ(w.name().text(), L"kept");
  EXPECT_TRUE(w.children().isEmpty());
  EXPECT_EQ(w.keyPressCode().count(), 0u);
  EXPECT_EQ(w.hitArea(), nullptr);

  Page page;
  page.load(dictionaryOf(L"( layer: 3 default: [ 1 ] keyboardFocus: \"x\" states: 2 state: 5 )"));
  EXPECT_EQ(page.defaultWidget(), nullptr);
  EXPECT_EQ(page.state(), uint32_t(Page::INACTIVE));

  GUI::Accelerator accelerator;
  accelerator.load(dictionaryOf(L"( key: 5 modifiers: 3 )"));
  EXPECT_EQ(accelerator.key(), 0u);
  EXPECT_EQ(accelerator.modifiers(), 0u);
}

} // namespace
