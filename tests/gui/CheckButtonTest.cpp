#include "GuiTestSupport.h"
#include "TestFonts.h"

#include "gui/Box.h"
#include "gui/CheckButton.h"
#include "gui/Label.h"
#include "support/RecordingCanvas.h"

using namespace guitest;
using GUI::CheckButton;

namespace {

class CheckButtonTest : public GuiTest {
protected:
  // A registered 10 x 10 box in one colour; its name as a script symbol.
  std::wstring box(float r, float g, float b) {
    auto *w = new GUI::Box;
    w->setSize(math::Vector2(10, 10));
    w->setColor(math::Color(r, g, b, 1.0f));
    w->setLayoutRect(rect(-5, -5, 10, 10));
    return GUI::WidgetRegistry::instance()->registerWidget(w).text() + std::wstring(L": ");
  }
  std::wstring faces() {
    return L"up: " + box(0.5f, 0.5f, 0.5f) + L"highlight: " + box(0.5f, 0.5f, 0.5f) + L"down: " +
           box(0.5f, 0.5f, 0.5f);
  }
  CheckButton *shownCheckButton(const std::wstring &settings) {
    GUI::Page *page = shownPage();
    auto *b = new CheckButton;
    b->load(dictionaryOf(settings.c_str()));
    page->addChild(b);
    g_log.clear();
    return b;
  }
};

TEST_F(CheckButtonTest, ClickFlipsTheIconsThenRunsOnClickOnThenOnClick) {
  CheckButton *b =
      shownCheckButton(L"( " + faces() + L"icon: " + box(0, 1, 0) + L"iconOff: " + box(1, 0, 0) +
                       L"on: false: onClickOn: { \"on\" note } onClickOff: { \"off\" "
                       L"note } onClick: { \"click\" note } )");
  EXPECT_FALSE(b->isChecked());
  EXPECT_FALSE(b->icon()->visible());
  EXPECT_TRUE(b->iconOff()->visible());
  b->click();
  EXPECT_TRUE(b->isChecked());
  EXPECT_TRUE(b->icon()->visible());
  EXPECT_FALSE(b->iconOff()->visible());
  EXPECT_EQ(g_log, "on click ");
  g_log.clear();
  b->click();
  EXPECT_EQ(g_log, "off click ");
  quip::Dictionary written;
  b->write(written);
  EXPECT_EQ(written.lookup(Symbol::intern(L"on"))->symbol(), quip::falseSymbol());
  // A dimmed check button keeps its value.
  b->setDimmed(true);
  b->click();
  EXPECT_FALSE(b->isChecked());
}

TEST_F(CheckButtonTest, NewIconsKeepTheValue) {
  CheckButton b;
  EXPECT_FALSE(b.isChecked());
  b.load(dictionaryOf((L"( icon: " + box(0, 1, 0) + L")").c_str()));
  EXPECT_TRUE(b.isChecked());
  b.setChecked(false);
  b.load(dictionaryOf((L"( icon: " + box(0, 0, 1) + L"iconOff: " + box(1, 0, 0) + L")").c_str()));
  EXPECT_FALSE(b.isChecked());
  EXPECT_TRUE(b.iconOff()->visible());
  // A named widget that is not a label gives no label.
  b.load(dictionaryOf((L"( label: " + box(1, 1, 1) + L")").c_str()));
  EXPECT_EQ(b.label(), nullptr);
  EXPECT_EQ(GUI::WidgetRegistry::instance()->size(), 0u);
}

TEST_F(CheckButtonTest, IconsAndLabelDrawOverTheFaces) {
  TestFonts fonts(database);
  auto *label = new GUI::Label;
  label->setText(String(L"x"));
  std::wstring labelName =
      GUI::WidgetRegistry::instance()->registerWidget(label).text() + std::wstring(L": ");
  CheckButton *b = shownCheckButton(L"( " + faces() + L"icon: " + box(0, 1, 0) + L"iconOff: " +
                                    box(1, 0, 0) + L"label: " + labelName + L"on: true: )");
  EXPECT_EQ(b->label(), label);
  testing_support::RecordingCanvas canvas;
  b->page()->render(canvas);
  // The up face, then the on icon; the off icon is hidden and the label's
  // glyphs have no texture.
  ASSERT_EQ(canvas.drawn.size(), 2u);
  EXPECT_EQ(canvas.drawn[0].color(0), math::PackedColor(127, 127, 127, 255));
  EXPECT_EQ(canvas.drawn[1].color(0), math::PackedColor(0, 255, 0, 255));
}

} // namespace
