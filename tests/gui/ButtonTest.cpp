#include "GuiTestSupport.h"

#include "gui/Button.h"
#include "gui/ButtonListener.h"
#include "input/Key.h"
#include "input/Pointer.h"

#include <vector>

using namespace guitest;
using framework::InputEvent;
using GUI::Button;

namespace {

class NotingListener : public GUI::ButtonListener {
public:
  void mouseOver(Button *) override { note("over"); }
  void mouseOut(Button *) override { note("out"); }
  void clicked(Button *) override { note("click"); }
  void down(Button *) override {
    note("down");
    downTimes.push_back(now);
  }
  float now = 0;
  std::vector<float> downTimes;
};

class ButtonTest : public GuiTest {
protected:
  ButtonTest() { GUI::setPageSoundPlayer(&sounds); }
  ~ButtonTest() override { GUI::setPageSoundPlayer(nullptr); }

  // A 100 x 50 button at the origin of a shown page.
  Button *shownButton() {
    page = shownPage();
    auto *button = new Button;
    button->setHitArea(new math::Rectangle(rect(0, 0, 100, 50)));
    button->addListener(&listener);
    page->addChild(button);
    g_log.clear();
    return button;
  }

  // The input state records the pointer before the event goes out.
  bool send(uint32_t kind, int x, int y) {
    framework::setPointerPosition(math::Vector2i(x, y));
    return page->handleEvent(pointer(kind, x, y));
  }

  void hold(float seconds, float dt) {
    for (float t = dt; t <= seconds + dt / 2; t += dt) {
      listener.now = t;
      page->update(dt);
    }
  }

  GUI::Page *page = nullptr;
  NotingListener listener;
  NotingSounds sounds;
};

TEST_F(ButtonTest, PressDragOffReleaseOffGivesOneDownAndNoClick) {
  Button *b = shownButton();
  EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, 10, 10));
  EXPECT_EQ(page->pointerCapture(), b);
  EXPECT_EQ(b->state(), Button::DOWN);
  EXPECT_TRUE(send(InputEvent::POINTER_MOTION, 200, 200));
  EXPECT_EQ(b->state(), Button::IDLE);
  EXPECT_TRUE(send(InputEvent::BUTTON_UP, 200, 200));
  EXPECT_EQ(g_log, "over down out ");
  EXPECT_EQ(b->state(), Button::IDLE);
  EXPECT_EQ(b->pressMode(), Button::RELEASED);
  EXPECT_EQ(page->pointerCapture(), nullptr);
}

TEST_F(ButtonTest, DragBackIsDownAgainWithoutANewDownAndReleaseOnItClicks) {
  Button *b = shownButton();
  b->setOnClick(code(L"\"handler\" note"));
  b->setSounds(Symbol(), Symbol(), Symbol(), Symbol::intern(L"tick"));
  send(InputEvent::BUTTON_DOWN, 10, 10);
  send(InputEvent::POINTER_MOTION, 200, 200);
  send(InputEvent::POINTER_MOTION, 20, 20);
  EXPECT_EQ(b->state(), Button::DOWN);
  g_log.clear();
  EXPECT_TRUE(send(InputEvent::BUTTON_UP, 20, 20));
  EXPECT_EQ(g_log, "handler sound:tick click ");
  EXPECT_EQ(b->state(), Button::OVER);
  // Another button than the left one neither presses nor releases.
  InputEvent right = pointer(InputEvent::BUTTON_DOWN, 10, 10);
  right.button = InputEvent::BUTTON_RIGHT;
  EXPECT_FALSE(page->handleEvent(right));
}

TEST_F(ButtonTest, HeldDownRepeats) {
  struct Case {
    const char *name;
    bool handler;
    float firstDelay;
    std::vector<float> expected;
  };
  const Case cases[] = {
      // At press, 0.3 s later, then re-armed by adding 0.1 s.
      {"handler", true, 0.3f, {0.0f, 0.3f, 0.4f}},
      {"no repeat", true, -1.0f, {0.0f}},
      // Without a handler the countdown never rises: every frame.
      {"listeners only", false, 0.3f, {0.0f, 0.1f, 0.2f, 0.3f, 0.4f}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    listener.downTimes.clear();
    listener.now = 0;
    Button *b = shownButton();
    if (c.handler)
      b->setOnDown(code(L"\"d\" note"));
    b->setRepeatDelays(c.firstDelay, 0.1f);
    send(InputEvent::BUTTON_DOWN, 10, 10);
    hold(c.handler ? 0.45f : 0.4f, c.handler ? 0.01f : 0.1f);
    ASSERT_EQ(listener.downTimes.size(), c.expected.size());
    for (size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_NEAR(listener.downTimes[i], c.expected[i], 0.0101f) << i;
    send(InputEvent::BUTTON_UP, 10, 10);
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(ButtonTest, SetStateCallsMouseHandlersOnlyAcrossTheHotStates) {
  Button *b = shownButton();
  b->setOnMouseOver(code(L"\"overCode\" note"));
  b->setOnMouseOut(code(L"\"outCode\" note"));
  b->setState(Button::OVER);
  EXPECT_EQ(g_log, "overCode over ");
  g_log.clear();
  b->setState(Button::DOWN);
  EXPECT_EQ(g_log, "");
  b->setState(Button::IDLE);
  EXPECT_EQ(g_log, "outCode out ");
  g_log.clear();
  b->setState(Button::IDLE);
  EXPECT_EQ(g_log, "");
}

TEST_F(ButtonTest, DimmedButtonConsumesNothingAndStillEndsItsHover) {
  Button *b = shownButton();
  b->setKeyboardFocusable(true);
  b->setAccelerator(new GUI::Accelerator(framework::KEY_ESCAPE, 0));
  b->setState(Button::OVER);
  g_log.clear();
  b->setDimmed(true);
  EXPECT_EQ(g_log, "out ");
  EXPECT_EQ(b->state(), Button::DIMMED);
  EXPECT_FALSE(b->isHighlighted());
  g_log.clear();
  EXPECT_FALSE(send(InputEvent::BUTTON_DOWN, 10, 10));
  EXPECT_FALSE(send(InputEvent::POINTER_MOTION, 11, 11));
  EXPECT_FALSE(send(InputEvent::BUTTON_UP, 10, 10));
  EXPECT_FALSE(b->handleEvent(key(framework::KEY_ESCAPE)));
  EXPECT_FALSE(b->handleEvent(key(framework::KEY_RETURN)));
  b->click();
  b->down(true);
  EXPECT_EQ(g_log, "");
  EXPECT_EQ(b->state(), Button::DIMMED);

  b->setDimmed(false);
  EXPECT_EQ(b->state(), Button::IDLE);
  // Undimming a button that is not dimmed changes nothing.
  b->setState(Button::OVER);
  b->setDimmed(false);
  EXPECT_EQ(b->state(), Button::OVER);
}

TEST_F(ButtonTest, ReturnPressesAFocusableButtonAndItsReleaseClicks) {
  Button *b = shownButton();
  b->setKeyboardFocusable(true);
  page->setKeyboardFocus(b);
  EXPECT_TRUE(page->handleEvent(key(framework::KEY_KP_ENTER)));
  EXPECT_EQ(b->state(), Button::DOWN);
  EXPECT_EQ(b->pressMode(), Button::PRESSED);
  g_log.clear();
  EXPECT_TRUE(page->handleEvent(key(framework::KEY_RETURN, 0, InputEvent::KEY_UP)));
  EXPECT_EQ(g_log, "click out ");
  EXPECT_EQ(b->state(), Button::IDLE);
  EXPECT_EQ(b->pressMode(), Button::RELEASED);

  // Not focusable: Return is the accelerator's, or nobody's.
  b->setKeyboardFocusable(false);
  g_log.clear();
  EXPECT_FALSE(b->handleEvent(key(framework::KEY_RETURN)));
  b->setAccelerator(new GUI::Accelerator(framework::KEY_RETURN, framework::MOD_LEFT_CTRL));
  EXPECT_FALSE(b->handleEvent(key(framework::KEY_RETURN)));
  EXPECT_TRUE(b->handleEvent(key(framework::KEY_RETURN, framework::MOD_RIGHT_CTRL)));
  EXPECT_EQ(g_log, "click ");
}

TEST_F(ButtonTest, LoadsHandlersSoundsTooltipAndAccelerator) {
  Button *b = shownButton();
  b->load(dictionaryOf(L"( onClick: { \"clicked\" note } soundClick: tick: onDownFirstDelay: -1 "
                       L"accelerator: ( key: Escape: ) tooltip: 5 )"));
  b->click();
  EXPECT_EQ(g_log, "clicked sound:tick click ");
  // A tooltip that is not a string is skipped; the accelerator alone shows.
  EXPECT_EQ(narrow(b->tooltipText()), "(Escape)");
  b->load(dictionaryOf(L"( tooltip: \"Close\" dim: true: )"));
  EXPECT_EQ(narrow(b->tooltipText()), "Close (Escape)");
  EXPECT_TRUE(b->dimmed());
  b->load(dictionaryOf(L"( idle: true: )"));
  EXPECT_FALSE(b->dimmed());
  EXPECT_EQ(b->state(), Button::IDLE);
}

TEST_F(ButtonTest, PointerStateIsRetestedWhenTheCaptureGoesAndHiddenButtonsGoIdle) {
  Button *b = shownButton();
  framework::setPointerPosition(math::Vector2i(10, 10));
  page->capturePointer(b);
  page->releasePointer(b);
  EXPECT_EQ(b->state(), Button::OVER);
  EXPECT_TRUE(b->isHighlighted());
  b->setVisible(false);
  EXPECT_EQ(b->state(), Button::IDLE);
  b->setVisible(true);
  b->setState(Button::OVER);
  page->resetPointerState();
  EXPECT_EQ(b->state(), Button::IDLE);
}

} // namespace
