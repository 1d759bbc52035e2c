// What pages built in code share: the fit rule, the animation channels and
// appear animations, the widget makers (also without their fonts), page
// sets and the value-editing panels.

#include "GuiTestSupport.h"

#include "animation/AnimationDefinition.h"
#include "gui/AppearAnimations.h"
#include "gui/Box.h"
#include "gui/CheckButton.h"
#include "gui/ConfigurePanel.h"
#include "gui/FitScale.h"
#include "gui/GeneralButton.h"
#include "gui/Label.h"
#include "gui/Layout.h"
#include "gui/PageSet.h"
#include "gui/Popup.h"
#include "gui/PushButton.h"
#include "gui/Scaler.h"
#include "gui/TextEntry.h"
#include "gui/WidgetMakers.h"
#include "math/Channel.h"
#include "support/RecordingCanvas.h"

#include <memory>

using namespace guitest;
using framework::InputEvent;

namespace {

using PageBuildersTest = GuiTest;

TEST_F(PageBuildersTest, FitScaleCoversFitsOrFitsWithoutEnlarging) {
  struct Case {
    math::Vector2 size, area;
    int mode;
    float scale;
  };
  const Case cases[] = {
      {{200, 100}, {320, 480}, 0, 4.8f}, {{200, 100}, {320, 480}, 1, 1.6f},
      {{200, 100}, {320, 480}, 2, 1.0f}, {{200, 100}, {320, 480}, 7, 1.0f},
      {{400, 100}, {320, 480}, 2, 0.8f},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.mode);
    EXPECT_FLOAT_EQ(GUI::fitScale(c.size, c.area, c.mode), c.scale);
  }
  // The window is 320 x 480.
  EXPECT_FLOAT_EQ(GUI::fitScaleToScreen(math::Vector2(160, 120), 1), 2.0f);
}

// Each holds its start until t (1), moves during d (2) and settles on
// start + delta (2 + 3); the bounce and the swing overshoot by 0.5 first.
TEST_F(PageBuildersTest, ChannelsSettleOnStartPlusDelta) {
  struct Case {
    const char *name;
    std::unique_ptr<math::Channel> channel;
    float midway;
  };
  Case cases[3] = {
      {"plain", std::unique_ptr<math::Channel>(GUI::makeChannel(2, 1, 3, 2, 1)), 3.5f},
      {"bounce", std::unique_ptr<math::Channel>(GUI::makeBounceChannel(2, 1, 3, 2, 4, 0.5f)), 5.5f},
      {"swing", std::unique_ptr<math::Channel>(GUI::makeSwingChannel(2, 1, 3, 2, 4, 0.5f)), 5.5f},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FLOAT_EQ(c.channel->evaluate(0, 0), 2.0f);
    EXPECT_FLOAT_EQ(c.channel->evaluate(0, 1), 2.0f);
    EXPECT_NEAR(c.channel->evaluate(0, 2), c.midway, 1e-5f);
    EXPECT_NEAR(c.channel->evaluate(0, 3), 5.0f, 1e-5f);
    EXPECT_NEAR(c.channel->evaluate(0, 30), 5.0f, 1e-5f);
    EXPECT_FLOAT_EQ(c.channel->duration(), 3.0f);
  }
}

TEST_F(PageBuildersTest, AppearAnimationsEnterAndExit) {
  using Definition = animation::AnimationDefinition;
  struct Case {
    const char *name;
    void (*add)(GUI::Widget *);
    int channel;
    float enterFrom, enterTo, exitTo;
  };
  const int SCALE = -1;
  const Case cases[] = {
      {"appear", [](GUI::Widget *w) { GUI::addAppearAnimations(w, 0.5f, 1, 1, true); }, SCALE, 0, 1,
       0},
      {"appear plainly", [](GUI::Widget *w) { GUI::addAppearAnimations(w, 0.5f, 1, 1, false); },
       SCALE, 0, 1, 0},
      {"move",
       [](GUI::Widget *w) {
         GUI::addMoveAnimations(w, {30, -20}, 0, 1, 1, true);
       },
       Definition::TRANSLATION_X, 30, 0, 30},
      {"move up",
       [](GUI::Widget *w) {
         GUI::addMoveAnimations(w, {30, -20}, 0, 1, 1, false);
       },
       Definition::TRANSLATION_Y, -20, 0, -20},
      {"fade", [](GUI::Widget *w) { GUI::addFade(w, 0, 1, 1); }, Definition::COLOR_A, 0, 1, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    GUI::Widget widget;
    c.add(&widget);
    for (int state : {0, 2}) {
      Definition *definition = widget.animation(state);
      ASSERT_NE(definition, nullptr);
      math::Channel *channel = c.channel == SCALE
                                   ? definition->getChannel(Definition::uniformScaleName())
                                   : definition->channel(c.channel);
      ASSERT_NE(channel, nullptr);
      if (state == 0) {
        EXPECT_NEAR(channel->evaluate(0, 0), c.enterFrom, 1e-5f);
      }
      EXPECT_NEAR(channel->evaluate(0, 10), state == 0 ? c.enterTo : c.exitTo, 1e-5f);
    }
  }
}

TEST_F(PageBuildersTest, ContainersGetSpacingOnTheirPackingAxes) {
  struct Case {
    uint32_t h, v;
    float hSpacing, vSpacing;
  };
  const Case cases[] = {{4, 0, 10, 0}, {0, 5, 0, 10}, {5, 4, 10, 10}, {3, 1, 0, 0}};
  GUI::Widget parent;
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.h << " " << c.v);
    GUI::Widget *container = GUI::addContainer(&parent, c.h, c.v);
    EXPECT_EQ(container->parent(), &parent);
    EXPECT_EQ(container->hLayout(), c.h);
    EXPECT_EQ(container->vLayout(), c.v);
    EXPECT_EQ(container->hSpacing(), c.hSpacing);
    EXPECT_EQ(container->vSpacing(), c.vSpacing);
  }
  GUI::Widget *spaced = GUI::addContainer(&parent, 4, 4, 3, 7);
  EXPECT_EQ(spaced->hSpacing(), 3.0f);
  EXPECT_EQ(spaced->vSpacing(), 7.0f);
}

// No font is listed here: every maker still builds, and the page updates
// and draws without text.
TEST_F(PageBuildersTest, MakersBuildWithoutTheirFonts) {
  GUI::Page *page = shownPage();
  GUI::addLabel(page, 10, 10, SYM(L"font"), math::Color(), String(L"label"));
  GUI::addTextButton(page, 10, 40, String(L"button"));
  GUI::TextEntry *field = GUI::addLabeledField(page, 10, 70, String(L"field"));
  GUI::Box *framed = GUI::addFramedBox(page, math::Color(), String(L"title"));
  GUI::Popup *popup = GUI::addPopup(page, String(L"popup"));
  GUI::CheckButton *check = GUI::addCheckBox(page, 10, 100, String(L"check"));
  GUI::addTextFieldRow(page, String(L"row"));
  EXPECT_EQ(field->parent()->parent(), page);
  EXPECT_EQ(framed->parent()->parent(), page);
  EXPECT_EQ(narrow(popup->titleLabel()->text().text()), "popup");
  EXPECT_NE(check->label(), nullptr);
  ASSERT_NE(check->hitArea(), nullptr);
  EXPECT_EQ(check->hitArea()->boundingRectangle(), check->naturalRect());
  GUI::applyLayout(*page);
  page->update(0.1f);
  testing_support::RecordingCanvas canvas;
  page->render(canvas);
  page->renderOverlay(canvas);
}

TEST_F(PageBuildersTest, BoxesAndButtonLooks) {
  GUI::Widget parent;
  GUI::Box *screen = GUI::addScreenBox(&parent, math::Color(0, 0, 0, 0.5f));
  EXPECT_EQ(xy(screen->position()), xy(math::Vector2(160, 240)));
  EXPECT_EQ(xy(screen->size()), xy(math::Vector2(320, 480)));

  GUI::PushButton button;
  GUI::setPushButtonLooks(&button);
  for (GUI::PushButton::Face face : {GUI::PushButton::UP, GUI::PushButton::HIGHLIGHT,
                                     GUI::PushButton::DOWN_FACE, GUI::PushButton::DIM}) {
    auto *box = dynamic_cast<GUI::Box *>(button.face(face));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(xy(box->size()), xy(math::Vector2(10, 13)));
    EXPECT_EQ(box->children().size(), 1u);
  }
}

TEST_F(PageBuildersTest, NumbersAreFormattedWithSeparatorsWhenAsked) {
  GUI::Label label;
  struct Case {
    float value;
    bool isInt, separators;
    const char *text;
  };
  const Case cases[] = {{1234567, true, true, "1,234,567"},
                        {1234567, true, false, "1234567"},
                        {-2500, true, true, "-2,500"},
                        {2.5f, false, false, "2.5"}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    if (c.isInt)
      GUI::formatNumber(&label, int(c.value), c.separators);
    else
      GUI::formatNumber(&label, c.value, c.separators);
    EXPECT_EQ(narrow(label.text().text()), c.text);
  }
}

// Exiting or gone (a page without an exit time leaves at once).
bool leaving(const GUI::Page *page) {
  return page->state() == GUI::Page::EXIT || page->state() == GUI::Page::INACTIVE;
}

TEST_F(PageBuildersTest, APageSetAddsExitsAndRetiresItsPages) {
  auto makePage = [](const wchar_t *name) {
    auto *page = new GUI::Page;
    page->setName(Symbol::intern(name));
    return page;
  };
  GUI::PageFactory *factory = GUI::PageFactory::instance();
  {
    GUI::PageSet set;
    container::Vector<GUI::Page *> pages;
    pages.push(makePage(L"one"));
    pages.push(makePage(L"two"));
    set.add(pages);
    EXPECT_NE(factory->lookup(SYM(L"one")), nullptr);
    pages[0]->enter();
    EXPECT_FALSE(leaving(pages[0]));
    set.exitAll();
    EXPECT_TRUE(leaving(pages[0]));

    // A page put in place of one of the set's is not the set's to retire.
    factory->addPage(makePage(L"two"));
    factory->update(0.0f);
    set.trashAll();
    EXPECT_EQ(factory->lookup(SYM(L"one")), nullptr);
    EXPECT_NE(factory->lookup(SYM(L"two")), nullptr);
  }
  quip::Array names = code(L"three: two: nobody:");
  factory->addPage(makePage(L"three"));
  factory->lookup(SYM(L"three"))->enter();
  EXPECT_FALSE(leaving(factory->lookup(SYM(L"three"))));
  GUI::exitPages(names);
  EXPECT_TRUE(leaving(factory->lookup(SYM(L"three"))));
  GUI::trashPages(names);
  EXPECT_EQ(factory->lookup(SYM(L"three")), nullptr);
  EXPECT_EQ(factory->lookup(SYM(L"two")), nullptr);
}

TEST_F(PageBuildersTest, ALoadedPageSetKeepsItsNameAndTheNamesOfThePagesItLoaded) {
  // "makeTwo": registers the pages "fresh" and "again" and answers their
  // registry names.
  quip::registerBuiltin(scripts->builtins(), L"makeTwo", [](quip::Interpreter *i, int *) {
    quip::Dictionary answer;
    for (const wchar_t *name : {L"fresh", L"again"}) {
      auto *page = new GUI::Page;
      page->setName(Symbol::intern(name));
      answer.set(Symbol::intern(name),
                 quip::Token(GUI::WidgetRegistry::instance()->registerWidget(page), false));
    }
    i->push(quip::Token(answer));
  });
  GUI::PageFactory *factory = GUI::PageFactory::instance();
  for (const wchar_t *name : {L"kept", L"again"}) {
    auto *page = new GUI::Page;
    page->setName(Symbol::intern(name));
    factory->addPage(page);
  }

  GUI::PageSet set;
  ASSERT_TRUE(set.load(String(L"group"), quip::Token(code(L"makeTwo"), true)));
  EXPECT_EQ(narrow(set.name()), "group");
  // Sorted by name, as the factory keeps them; "kept" was there before.
  ASSERT_EQ(set.loadedNames().count(), 2u);
  EXPECT_EQ(set.loadedNames()[0].symbol(), SYM(L"again"));
  EXPECT_EQ(set.loadedNames()[1].symbol(), SYM(L"fresh"));

  EXPECT_FALSE(set.load(String(L"bad"), quip::Token(code(L"1"), true)));
  EXPECT_EQ(set.loadedNames().count(), 0u);
}

TEST_F(PageBuildersTest, APanelEditsItsNumberThroughItsScaler) {
  GUI::ConfigurePanel panel;
  GUI::Page *page = shownPage();
  GUI::addConfigureWidget(panel, page,
                          dictionaryOf(L"( text: \"Size\" names: [ width: ] inits: [ \"5\" ] "
                                       L"tooltips: [ ] init: \"1\" tooltip: \"tip\" scale: 2 "
                                       L"max: 20 position: [ 100 100 ] "
                                       L"do: { \"done\" note } )"),
                          2);
  ASSERT_EQ(panel.count, 2);
  EXPECT_EQ(panel.container->parent(), page);
  // Components past the short arrays keep the single values.
  EXPECT_EQ(panel.fields[0]->name(), SYM(L"width"));
  EXPECT_EQ(narrow(panel.fields[0]->text()), "5");
  EXPECT_EQ(narrow(panel.fields[0]->tooltip()), "tip");
  EXPECT_EQ(panel.fields[1]->name(), Symbol::emptySymbol());
  EXPECT_EQ(narrow(panel.fields[1]->text()), "1");
  EXPECT_EQ(panel.scalers[0]->target(), panel.fields[0]);

  GUI::applyLayout(*page);
  math::Rectangle r = panel.scalers[0]->screenRectangle();
  int x = int(r.x + r.width / 2), y = int(r.y + r.height / 2);
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, x, y)));
  InputEvent motion = pointer(InputEvent::POINTER_MOTION, x, y + 3);
  motion.motion = math::Vector2i(0, 3);
  g_log.clear();
  EXPECT_TRUE(page->handleEvent(motion));
  EXPECT_EQ(narrow(panel.fields[0]->text()), "11");
  EXPECT_EQ(g_log, "done ");
  motion.motion = math::Vector2i(0, 30);
  page->handleEvent(motion);
  EXPECT_EQ(narrow(panel.fields[0]->text()), "20");
}

TEST_F(PageBuildersTest, PanelRowsHoldAtMostFourComponents) {
  struct Case {
    int asked, built;
  };
  const Case cases[] = {{0, 0}, {1, 1}, {4, 4}, {9, 4}, {-1, 0}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.asked);
    GUI::ConfigurePanel panel;
    GUI::buildConfigureRows(panel, String(L"v"), c.asked);
    std::unique_ptr<GUI::Widget> owned(panel.container);
    EXPECT_EQ(panel.count, c.built);
    for (int i = 0; i < c.built; ++i)
      EXPECT_EQ(panel.scalers[i]->target(), panel.fields[i]);
  }
}

} // namespace
