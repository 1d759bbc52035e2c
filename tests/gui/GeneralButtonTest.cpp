// The general button: its size is the union of its parts, its frame's face
// follows the state, its skeleton's clock runs while it shows, and the
// popup's close button is one.

#include "GuiTestSupport.h"
#include "TestFonts.h"

#include "gui/GeneralButton.h"
#include "gui/Popup.h"
#include "support/RecordingCanvas.h"

using namespace guitest;

namespace {

class GeneralButtonTest : public GuiTest {
protected:
  GUI::GeneralButton *addButton() {
    page = shownPage();
    auto *button = new GUI::GeneralButton;
    button->setPosition(math::Vector2(100, 100));
    page->addChild(button);
    return button;
  }

  TestFonts fonts{database};
  GUI::Page *page = nullptr;
};

TEST_F(GeneralButtonTest, AButtonWithoutPartsDrawsNothingAndHasNoSize) {
  GUI::GeneralButton *button = addButton();
  EXPECT_EQ(button->localRectangle(), math::Rectangle());
  testing_support::RecordingCanvas canvas;
  page->render(canvas);
  EXPECT_TRUE(canvas.drawn.empty());
}

TEST_F(GeneralButtonTest, ItsSizeIsTheUnionOfItsParts) {
  struct Case {
    const char *name;
    bool label, frame;
    math::Rectangle size;
  };
  // "ab" is 16 wide and 10 high; the frame (80, 18) grows by 4.
  const Case cases[] = {
      {"a label", true, false, rect(-12, -10, 24, 20)},
      {"a frame", false, true, rect(-42, -11, 84, 22)},
      {"both", true, true, rect(-42, -11, 84, 22)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    GUI::GeneralButton button;
    button.labelFormat().setFont(SYM(L"fontSystem"));
    if (c.label)
      button.setLabel(String(L"ab"));
    button.setFrame(c.frame);
    EXPECT_EQ(button.localRectangle(), c.size);
  }

  // A label alone taller than the frame widens the union upwards.
  GUI::GeneralButton button;
  button.labelFormat().setFont(SYM(L"fontSystem"));
  button.labelFormat().scale = math::Vector2(1, 3);
  button.setLabel(String(L"ab"));
  button.setFrame(true);
  EXPECT_EQ(button.localRectangle(), rect(-42, -30, 84, 60));

  // A missing font measures nothing and draws nothing.
  button.labelFormat().setFont(SYM(L"noSuchFont"));
  button.setFrame(false);
  EXPECT_EQ(button.localRectangle(), rect(0, 0, 0, 0));
}

TEST_F(GeneralButtonTest, TheFrameFaceFollowsTheState) {
  struct Case {
    int state;
    bool dimmed;
    float face;
  };
  const Case cases[] = {{GUI::Button::IDLE, false, 0.85f},
                        {GUI::Button::OVER, false, 0.95f},
                        {GUI::Button::DOWN, false, 0.85f},
                        {GUI::Button::IDLE, true, 0.65f}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.state << " " << c.dimmed);
    GUI::GeneralButton *button = addButton();
    button->setFrame(true);
    button->setLayoutRect(rect(-40, -9, 80, 18));
    button->setDimmed(c.dimmed);
    if (!c.dimmed)
      button->setState(c.state);
    testing_support::RecordingCanvas canvas;
    page->render(canvas);
    // The face, then the bevelled frame.
    ASSERT_EQ(canvas.drawn.size(), 2u);
    EXPECT_NEAR(canvas.drawn[0].color(0).r, c.face * 255.0f, 1.0f);
    EXPECT_EQ(canvas.drawn[0].placed(1).x, 60.0f);
    page->removeChild(button);
  }
}

TEST_F(GeneralButtonTest, TheSkeletonClockRunsWhileTheButtonShows) {
  GUI::GeneralButton *button = addButton();
  page->update(0.25f);
  EXPECT_EQ(button->skeletonTime(), 0.25f);
  button->setVisible(false);
  page->update(0.25f);
  EXPECT_EQ(button->skeletonTime(), 0.25f);
}

TEST_F(GeneralButtonTest, ThePopupsCloseButtonShowsAnX) {
  GUI::Popup popup;
  popup.createDefaultChildren();
  auto *close = dynamic_cast<GUI::GeneralButton *>(popup.closeButton());
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(narrow(close->label()), "x");
  EXPECT_EQ(close->frameSize().x, 14.0f);
}

} // namespace
