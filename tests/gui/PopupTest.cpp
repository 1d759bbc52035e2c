#include "GuiTestSupport.h"
#include "TestFonts.h"

#include "gui/Border.h"
#include "gui/Box.h"
#include "gui/Button.h"
#include "gui/Label.h"
#include "gui/Popup.h"
#include "gui/Spacer.h"
#include "gui/TitleBar.h"

using namespace guitest;
using framework::InputEvent;

namespace {

class PopupTest : public GuiTest {
protected:
  // A popup centred on the screen of a shown page, laid out.
  GUI::Popup *addPopup(const wchar_t *settings) {
    page = shownPage();
    auto *popup = new GUI::Popup;
    popup->load(dictionaryOf(settings));
    popup->setPosition(video::Window::screenCenter());
    popup->setAlign(0, 0);
    page->addChild(popup);
    page->callNativeMethod(Symbol::intern(L"applyLayout"));
    return popup;
  }
  bool exited() const { return page->state() == GUI::Page::EXIT || page->state() == 3; }

  TestFonts fonts{database};
  GUI::Page *page = nullptr;
};

TEST_F(PopupTest, ItsPartsAreBuiltOnFirstLoad) {
  GUI::Popup *popup = addPopup(L"( title: \"Options\" )");
  ASSERT_NE(popup->closeButton(), nullptr);
  EXPECT_EQ(narrow(popup->titleLabel()->text().text()), "Options");
  EXPECT_EQ(narrow(popup->closeButton()->tooltip()), "Close");
  ASSERT_NE(popup->closeButton()->accelerator(), nullptr);
  EXPECT_EQ(popup->closeButton()->accelerator()->key(), 27u);
  EXPECT_EQ(popup->closeButton()->accelerator()->modifiers(), 0u);
  EXPECT_FALSE(popup->closeButton()->keyboardFocusable());
  EXPECT_EQ(popup->frame()->width(), 4.0f);
  EXPECT_TRUE(popup->frame()->dropShadow().enabled);
  // The title bar spans the frame's width.
  EXPECT_GE(popup->titleBar()->layoutRect().width, popup->bodyContainer()->layoutRect().width);
}

TEST_F(PopupTest, TheBodyHasItsLeastSizeForTheScreen) {
  struct Case {
    int width, height;
    float bodyWidth, bodyHeight;
  };
  const Case cases[] = {{320, 480, 160, 150}, {1024, 768, 350, 150}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.width);
    window->setSize(math::Vector2i(c.width, c.height));
    GUI::Popup *popup = addPopup(L"( )");
    EXPECT_EQ(popup->bodyContainer()->size().x, c.bodyWidth);
    EXPECT_EQ(popup->bodyContainer()->size().y, c.bodyHeight);
    EXPECT_GE(popup->bodyContainer()->layoutRect().width, c.bodyWidth);
    EXPECT_GE(popup->bodyContainer()->layoutRect().height, c.bodyHeight);
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(PopupTest, EscapeOrTheCloseButtonExitsThePage) {
  GUI::Popup *popup = addPopup(L"( )");
  EXPECT_TRUE(page->handleEvent(key(27)));
  EXPECT_TRUE(exited());
  GUI::PageFactory::destroyInstance();

  popup = addPopup(L"( )");
  math::Rectangle x = popup->closeButton()->screenRectangle();
  int cx = int(x.x + x.width / 2), cy = int(x.y + x.height / 2);
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, cx, cy)));
  EXPECT_FALSE(exited());
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_UP, cx, cy)));
  EXPECT_TRUE(exited());
}

// The hidden button keeps its accelerator but takes no keys.
TEST_F(PopupTest, WithoutTheCloseButtonEscapeDoesNothing) {
  GUI::Popup *popup = addPopup(L"( showX: false: )");
  EXPECT_FALSE(popup->closeButton()->visible());
  EXPECT_NE(popup->closeButton()->accelerator(), nullptr);
  EXPECT_FALSE(page->handleEvent(key(27)));
  EXPECT_EQ(page->state(), GUI::Page::ACTIVE);
}

TEST_F(PopupTest, DraggingTheTitleBarMovesTheWholePage) {
  GUI::Popup *popup = addPopup(L"( )");
  math::Rectangle bar = popup->titleBar()->screenRectangle();
  int x = int(bar.x + bar.width / 2), y = int(bar.y + bar.height / 2);
  math::Vector2 start = page->position();
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, x, y)));
  EXPECT_TRUE(popup->titleBar()->dragging());
  InputEvent move = pointer(InputEvent::POINTER_MOTION, x + 7, y + 4);
  move.motion = math::Vector2i(7, 4);
  EXPECT_TRUE(page->handleEvent(move));
  EXPECT_EQ(page->position().x, start.x + 7);
  EXPECT_EQ(page->position().y, start.y + 4);
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_UP, x + 7, y + 4)));
  EXPECT_FALSE(popup->titleBar()->dragging());
  EXPECT_EQ(page->pointerCapture(), nullptr);
  // Presses on the body do not fall through the popup.
  math::Rectangle body = popup->bodyContainer()->screenRectangle();
  EXPECT_TRUE(
      page->handleEvent(pointer(InputEvent::BUTTON_DOWN, int(body.x + 5), int(body.y + 5))));
}

TEST_F(PopupTest, ItsPartsLoadTheirOwnDictionaries) {
  GUI::Popup *popup = addPopup(L"( background: ( color: [ 1 0 0 1 ] ) bottomBar: ( hSpacing: 7 ) "
                               L"bodyContainer: ( size: [ 90 40 ] ) )");
  EXPECT_TRUE(popup->background()->color() == math::Color(1.0f, 0.0f, 0.0f, 1.0f));
  EXPECT_EQ(popup->bottomBar()->hSpacing(), 7.0f);
  EXPECT_EQ(popup->bodyContainer()->size().x, 90.0f);
  EXPECT_EQ(popup->bodyContainer()->size().y, 40.0f);
}

} // namespace
