#include "GuiTestSupport.h"
#include "TestFonts.h"

#include "gui/DropDown.h"
#include "gui/DropDownListener.h"
#include "support/RecordingCanvas.h"

using namespace guitest;
using framework::InputEvent;

namespace {

class NotingListener : public GUI::DropDownListener {
public:
  void changed(GUI::DropDown *) override { note("changed"); }
  void opened(GUI::DropDown *) override { note("opened"); }
  void closed(GUI::DropDown *) override { note("closed"); }
};

class DropDownTest : public GuiTest {
protected:
  // At (100, 300) of a shown page: the box spans x 95 to 95 + width and y
  // 291.5 to 308.5; closed, items 0 and 1 have their centres at y 283 and 266.
  GUI::DropDown *addDropDown(const wchar_t *settings, float y = 300) {
    page = shownPage();
    auto *dropDown = new GUI::DropDown;
    dropDown->load(dictionaryOf(settings));
    dropDown->setPosition(math::Vector2(100, y));
    dropDown->setAlign(0, 0);
    dropDown->addListener(&listener);
    page->addChild(dropDown);
    page->callNativeMethod(Symbol::intern(L"applyLayout"));
    page->update(0.0f);
    return dropDown;
  }
  bool send(uint32_t kind, int x, int y) { return page->handleEvent(pointer(kind, x, y)); }

  TestFonts fonts{database};
  GUI::Page *page = nullptr;
  NotingListener listener;
};

TEST_F(DropDownTest, ItIsAsWideAsItsLongestTextAndItsListOneRowPerItem) {
  Font *font = fonts.font(L"font");
  struct Case {
    const wchar_t *settings;
    float width, listHeight;
  };
  const Case cases[] = {
      {L"( font: font: items: [ \"ab\" \"abcdef\" ] )", 10 + font->stringWidth(String(L"abcdef")),
       34},
      {L"( font: font: text: \"abcdefgh\" items: [ \"ab\" ] spacing: 20 )",
       10 + font->stringWidth(String(L"abcdefgh")), 20},
      // Without a font every text measures nothing.
      {L"( items: [ \"ab\" \"abcdef\" ] )", 10, 34},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.settings)));
    GUI::DropDown dropDown;
    dropDown.load(dictionaryOf(c.settings));
    EXPECT_EQ(dropDown.width(), c.width);
    EXPECT_EQ(dropDown.listHeight(), c.listHeight);
  }
}

TEST_F(DropDownTest, ItemsOfAnyKindShowTheirText) {
  GUI::DropDown dropDown;
  dropDown.load(dictionaryOf(L"( items: [ \"one\" two: 3 ] text: \"one\" )"));
  ASSERT_EQ(dropDown.itemCount(), 3u);
  EXPECT_EQ(narrow(dropDown.item(1)), "two");
  EXPECT_EQ(narrow(dropDown.item(2)), "3");
  quip::Dictionary written;
  dropDown.write(written);
  EXPECT_EQ(narrow(written.lookup(SYM(L"text"))->string()), "one");
}

TEST_F(DropDownTest, APressOutsideClosesTheListAndIsStillConsumed) {
  GUI::DropDown *dropDown = addDropDown(L"( font: font: text: \"a\" items: [ \"a\" \"b\" ] )");
  EXPECT_FALSE(send(InputEvent::BUTTON_DOWN, 20, 20));
  EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, 100, 300));
  EXPECT_TRUE(dropDown->isOpen());
  EXPECT_EQ(page->pointerCapture(), dropDown);
  // Released over the box right after opening: still open.
  EXPECT_FALSE(send(InputEvent::BUTTON_UP, 100, 300));
  EXPECT_TRUE(dropDown->isOpen());
  EXPECT_TRUE(send(InputEvent::POINTER_MOTION, 20, 20));
  EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, 20, 20));
  EXPECT_FALSE(dropDown->isOpen());
  EXPECT_EQ(page->pointerCapture(), nullptr);
  EXPECT_EQ(narrow(dropDown->text()), "a");
  EXPECT_EQ(g_log, "opened closed ");
  EXPECT_FALSE(send(InputEvent::POINTER_MOTION, 100, 300));
}

TEST_F(DropDownTest, PressDragAndReleaseOnAnItemChoosesIt) {
  GUI::DropDown *dropDown =
      addDropDown(L"( font: font: text: \"a\" items: [ \"a\" \"b\" ] onChange: { \"run\" note } )");
  EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, 100, 300));
  EXPECT_TRUE(send(InputEvent::POINTER_MOTION, 100, 266));
  EXPECT_EQ(dropDown->hover(), 1);
  // Off the sides of the list the hover stays.
  EXPECT_TRUE(send(InputEvent::POINTER_MOTION, 94, 283));
  EXPECT_EQ(dropDown->hover(), 1);
  EXPECT_TRUE(send(InputEvent::BUTTON_UP, 100, 266));
  EXPECT_FALSE(dropDown->isOpen());
  EXPECT_EQ(narrow(dropDown->text()), "b");
  // onChange is only started: it runs with the other scripts.
  EXPECT_EQ(g_log, "opened changed closed ");
  scripts->update(100, 0.0f);
  EXPECT_EQ(g_log, "opened changed closed run ");

  // A press on an item chooses it as well.
  g_log.clear();
  EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, 100, 300));
  EXPECT_TRUE(send(InputEvent::POINTER_MOTION, 100, 283));
  EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, 100, 283));
  EXPECT_EQ(narrow(dropDown->text()), "a");
  EXPECT_EQ(g_log, "opened changed closed ");
}

TEST_F(DropDownTest, TheListOpensUpwardWhenItWouldReachBelowTheScreen) {
  struct Case {
    float y;
    bool flipped;
  };
  for (Case c : {Case{30, true}, Case{60, false}}) {
    SCOPED_TRACE(c.y);
    GUI::DropDown *dropDown =
        addDropDown(L"( font: font: items: [ \"a\" \"b\" \"c\" ] spacing: 17 )", c.y);
    EXPECT_EQ(dropDown->flipped(), c.flipped);
    if (c.flipped) {
      EXPECT_EQ(dropDown->listRectangle().y, -8.5f + 17);
      // Item 1 lies at +34: from 25.5 to 42.5.
      int x = 100, y = int(c.y) + 34;
      EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, 100, int(c.y)));
      EXPECT_TRUE(send(InputEvent::POINTER_MOTION, x, y));
      EXPECT_EQ(dropDown->hover(), 1);
    }
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(DropDownTest, OutsideAPageTheListDoesNotOpen) {
  GUI::DropDown dropDown;
  dropDown.load(dictionaryOf(L"( items: [ \"a\" ] expand: true: )"));
  EXPECT_FALSE(dropDown.isOpen());
  dropDown.open();
  EXPECT_FALSE(dropDown.isOpen());

  // On a page, "expand" opens it at once.
  GUI::DropDown *shown = addDropDown(L"( items: [ \"a\" ] )");
  shown->load(dictionaryOf(L"( expand: true: )"));
  EXPECT_TRUE(shown->isOpen());
  EXPECT_EQ(page->pointerCapture(), shown);
}

TEST_F(DropDownTest, TheBoxDrawsWhenClosedAndTheListInTheOverlayWhenOpen) {
  GUI::DropDown *dropDown = addDropDown(L"( font: font: items: [ \"a\" \"b\" ] )");
  dropDown->open();
  ASSERT_TRUE(dropDown->isOpen());
  testing_support::RecordingCanvas canvas;
  dropDown->draw(canvas);
  EXPECT_TRUE(canvas.drawn.empty());
  dropDown->drawOverlay(canvas);
  // Two shadows, the box's edge and face, the list's edge and face.
  EXPECT_EQ(canvas.drawn.size(), 6u);
  dropDown->close();
  canvas.drawn.clear();
  dropDown->drawOverlay(canvas);
  EXPECT_TRUE(canvas.drawn.empty());
  dropDown->draw(canvas);
  // The face and its outline of four lines.
  EXPECT_EQ(canvas.drawn.size(), 5u);
}

} // namespace
