#include "GuiTestSupport.h"
#include "TestFonts.h"

#include "gui/TabControl.h"
#include "gui/TabDivider.h"
#include "gui/TabLabel.h"
#include "gui/TabLabelBox.h"
#include "gui/TabPanel.h"
#include "support/RecordingCanvas.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

#include <cmath>

using namespace guitest;
using framework::InputEvent;

namespace {

// A view that fills its box in one colour, so the drawing order shows.
class Painted : public GUI::Widget {
public:
  explicit Painted(math::Color color) : m_color(color) {}
  math::Rectangle localRectangle() const override { return rect(0, -40, 100, 40); }
  void draw(video::Canvas &canvas) override {
    canvas.fillRect(localRectangle(), m_color, video::BLEND_NORMAL);
  }

private:
  math::Color m_color;
};

const math::Color Blue(0.0f, 0.0f, 1.0f, 1.0f);

class TabControlTest : public GuiTest {
protected:
  // A control of 40 x 20 tabs at (50, 400) of a shown page, with a view per
  // tab registered under the names the script gives.
  GUI::TabControl *addControl(const wchar_t *tabs, int views = 3) {
    page = shownPage();
    control = new GUI::TabControl(new GUI::TabLabelBox, new GUI::TabDivider, new GUI::TabPanel);
    control->setPosition(math::Vector2(50, 400));
    control->setAlign(0, 0);
    page->addChild(control);
    control->load(settings(tabs, views));
    page->callNativeMethod(Symbol::intern(L"applyLayout"));
    page->update(0.0f);
    return control;
  }

  // "tabSize", the tabs of the script text and views made now, by name.
  quip::Dictionary settings(const wchar_t *tabs, int views) {
    quip::Dictionary d = dictionaryOf(tabs);
    quip::Array size;
    size.append(quip::Token(40.0f));
    size.append(quip::Token(20.0f));
    d.set(SYM(L"tabSize"), quip::Token(size, false));
    quip::Array names;
    for (int i = 0; i < views; ++i)
      names.append(
          quip::Token(GUI::WidgetRegistry::instance()->registerWidget(new Painted(Blue)), false));
    d.set(SYM(L"views"), quip::Token(names, false));
    return d;
  }

  bool send(uint32_t kind, float x, float y) {
    return page->handleEvent(pointer(kind, int(std::lround(x)), int(std::lround(y))));
  }

  // Which views show, as "1" and "0" in tab order.
  std::string shownViews() const {
    std::string out;
    for (GUI::Widget *view : control->panel()->children())
      out += view->visible() ? '1' : '0';
    return out;
  }

  // The screen point of tab i's centre, from the label box's place.
  math::Vector2 tabPoint(uint32_t i) const {
    return control->labelBox()->toScreen(control->labelBox()->tabCentre(i));
  }

  TestFonts fonts{database};
  GUI::Page *page = nullptr;
  GUI::TabControl *control = nullptr;
};

} // namespace

TEST_F(TabControlTest, ItStacksItsThreePartsFromTheTop) {
  addControl(L"( tabs: [ ( text: \"one\" ) ] )", 1);
  const container::Vector<GUI::Widget *> &parts = control->children();
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[0], control->labelBox());
  EXPECT_EQ(parts[1], control->divider());
  EXPECT_EQ(parts[2], control->panel());
  EXPECT_EQ(control->labelBox()->control(), control);
  EXPECT_EQ(control->panel()->control(), control);
  EXPECT_TRUE(control->labelBox()->hExpand() && !control->labelBox()->vExpand());
  EXPECT_TRUE(control->panel()->hExpand() && control->panel()->vExpand());
  // The row sits above the divider, and the divider above the views.
  EXPECT_GT(control->labelBox()->position().y, control->divider()->position().y);
  EXPECT_GT(control->divider()->position().y, control->panel()->position().y);
}

TEST_F(TabControlTest, LoadingSelectsTheFirstVisibleTab) {
  struct Case {
    const wchar_t *tabs;
    bool hasSelection;
    uint32_t selected;
    const char *shown;
  };
  const Case cases[] = {
      {L"( tabs: [ () () () ] )", true, 0, "100"},
      {L"( tabs: [ ( visible: false: ) () () ] )", true, 1, "010"},
      {L"( tabs: [ ( visible: false: ) ( visible: false: ) () ] )", true, 2, "001"},
      {L"( tabs: [ ( visible: false: ) ( visible: false: ) ( visible: false: ) ] )", false, 0,
       "111"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(narrow(String(c.tabs)));
    addControl(c.tabs);
    EXPECT_EQ(control->hasSelection(), c.hasSelection);
    EXPECT_EQ(control->selected(), c.selected);
    EXPECT_EQ(shownViews(), c.shown);
    GUI::PageFactory::destroyInstance();
  }
}

TEST_F(TabControlTest, HiddenTabsTakeNoRoomAndAClickSelectsTheTabUnderIt) {
  addControl(L"( tabs: [ ( text: \"a\" ) ( text: \"b\" visible: false: ) ( text: \"c\" ) ] )");
  GUI::TabLabelBox *box = control->labelBox();
  EXPECT_EQ(box->tabCentre(0).x, 20.0f);
  EXPECT_EQ(box->tabCentre(1).x, 60.0f);
  EXPECT_EQ(box->tabCentre(2).x, 60.0f);
  // The labels stand where their tabs are after an update.
  EXPECT_EQ(box->label(2)->position.x, 60.0f);

  math::Vector2 third = box->toScreen(math::Vector2(1.5f * 40, 0));
  EXPECT_FALSE(send(InputEvent::POINTER_MOTION, third.x, third.y));
  EXPECT_TRUE(box->hovering());
  EXPECT_EQ(box->hover(), 2u);
  EXPECT_TRUE(send(InputEvent::BUTTON_DOWN, third.x, third.y));
  EXPECT_EQ(control->selected(), 2u);
  EXPECT_EQ(shownViews(), "001");

  // Off every tab the hover goes, and a press there is not the control's.
  math::Vector2 beyond = box->toScreen(math::Vector2(100, 0));
  EXPECT_FALSE(send(InputEvent::POINTER_MOTION, beyond.x, beyond.y));
  EXPECT_FALSE(box->hovering());
  EXPECT_FALSE(send(InputEvent::BUTTON_DOWN, beyond.x, beyond.y));
  EXPECT_EQ(control->selected(), 2u);
}

TEST_F(TabControlTest, APressWithoutHoverBeforeItDoesNothing) {
  addControl(L"( tabs: [ () () () ] )");
  math::Vector2 second = tabPoint(1);
  EXPECT_FALSE(send(InputEvent::BUTTON_DOWN, second.x, second.y));
  EXPECT_EQ(control->selected(), 0u);
  EXPECT_EQ(shownViews(), "100");
}

TEST_F(TabControlTest, ShowingAndHidingTabsMovesTheSelection) {
  addControl(L"( tabs: [ () () () ] )");
  control->selectTab(1);
  control->hideTab(1);
  EXPECT_EQ(control->selected(), 0u);
  EXPECT_EQ(shownViews(), "100");
  // Hiding a tab that is not selected keeps the selection.
  control->hideTab(2);
  EXPECT_EQ(control->selected(), 0u);
  control->hideTab(0);
  EXPECT_FALSE(control->hasSelection());
  // With nothing selected, the shown tab is selected.
  control->showTab(2);
  EXPECT_TRUE(control->hasSelection());
  EXPECT_EQ(control->selected(), 2u);
  EXPECT_TRUE(control->labelBox()->label(2)->visible);
  // Selecting a hidden tab shows its label.
  control->selectTab(1);
  EXPECT_TRUE(control->labelBox()->label(1)->visible);
  EXPECT_EQ(shownViews(), "010");
}

TEST_F(TabControlTest, TheSelectedTabIsDrawnLastOverTheDivider) {
  addControl(L"( tabs: [ ( text: \"a\" ) ( text: \"b\" ) ( text: \"c\" ) ] )");
  control->selectTab(1);
  math::Vector2 first = tabPoint(0);
  send(InputEvent::POINTER_MOTION, first.x, first.y);

  testing_support::RecordingCanvas canvas;
  control->render(canvas);
  // Each fill by its first corner's colour; text draws nothing here.
  struct Fill {
    const char *name;
    math::Color color;
  };
  const Fill fills[] = {{"hovered", math::Color(1.0f, 1.0f, 1.0f, 1.0f)},
                        {"view", Blue},
                        {"divider", math::Color(0.94f, 0.93f, 0.87f, 1.0f)},
                        {"selected", math::Color(0.9f, 0.9f, 0.9f, 1.0f)},
                        {"tab", math::Color(0.5f, 0.5f, 0.5f, 1.0f)}};
  auto near = [](uint8_t packed, float value) { return std::abs(packed - value * 255) <= 1; };
  std::string order;
  for (const testing_support::DrawnPrimitive &p : canvas.drawn) {
    math::PackedColor c = p.color(0);
    const char *name = "other";
    for (const Fill &f : fills)
      if (near(c.r, f.color.r) && near(c.g, f.color.g) && near(c.b, f.color.b))
        name = f.name;
    order += std::string(name) + " ";
  }
  EXPECT_EQ(order, "hovered tab view divider selected ");
}

TEST_F(TabControlTest, AViewNameTheRegistryDoesNotHoldIsSkippedWithOneReport) {
  page = shownPage();
  control = new GUI::TabControl(new GUI::TabLabelBox, new GUI::TabDivider, new GUI::TabPanel);
  page->addChild(control);
  quip::Dictionary d = settings(L"( tabs: [ () () ] )", 1);
  const quip::Token *views = d.lookup(SYM(L"views"));
  quip::Array names;
  names.append(quip::Token(Symbol::intern(L"nowhere"), false));
  names.append(views->array()[0]);
  d.set(SYM(L"views"), quip::Token(names, false));

  testing::internal::CaptureStderr();
  control->load(d);
  std::string err = testing::internal::GetCapturedStderr();
  ASSERT_EQ(control->panel()->children().size(), 1u);
  EXPECT_NE(control->panel()->children()[0], nullptr);
  size_t at = err.find("nowhere");
  EXPECT_NE(at, std::string::npos) << err;
  EXPECT_EQ(err.find("nowhere", at + 1), std::string::npos) << err;

  // Loading views again deletes the old ones and resets the selection.
  control->selectTab(1);
  control->load(settings(L"( )", 2));
  EXPECT_EQ(control->panel()->children().size(), 2u);
  EXPECT_EQ(control->selected(), 0u);
}

TEST_F(TabControlTest, TheLabelBoxSpansItsFirstAndLastTabAndTheDividerIsThin) {
  addControl(L"( tabs: [ () () () ] )");
  math::Rectangle r = control->labelBox()->localRectangle();
  EXPECT_EQ(r.x, 0.0f);
  EXPECT_EQ(r.width, 120.0f);
  EXPECT_EQ(r.y, -10.0f);
  EXPECT_EQ(r.height, 20.0f);
  math::Rectangle divider = control->divider()->localRectangle();
  EXPECT_EQ(divider.width, 0.0f);
  EXPECT_EQ(divider.height, 5.0f);
  EXPECT_EQ(divider.y, -2.5f);
  GUI::TabLabelBox empty;
  EXPECT_TRUE(empty.localRectangle() == math::Rectangle());
}
