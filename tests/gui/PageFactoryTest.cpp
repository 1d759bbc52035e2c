#include "GuiTestSupport.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"

#include <vector>

using namespace guitest;
using GUI::Page;
using GUI::PageFactory;

namespace {

// Pages the next load script answers, built as the page builtins will.
std::vector<std::pair<std::wstring, bool>> g_build;

class NamedPage : public Page {
public:
  void update(float dt) override {
    note(narrow(name().toString()) + ".update");
    Page::update(dt);
  }
};

class PageFactoryTest : public GuiTest {
protected:
  PageFactoryTest() {
    g_build.clear();
    // "makePages": registers a page for each entry of g_build (a plain
    // widget when its flag is false) and answers their registry names.
    quip::registerBuiltin(scripts->builtins(), L"makePages", [](quip::Interpreter *i, int *) {
      quip::Dictionary answer;
      for (const auto &[name, isPage] : g_build) {
        GUI::Widget *w = isPage ? new NamedPage : new GUI::Widget;
        w->setName(Symbol::intern(name.c_str()));
        if (isPage) {
          quip::Dictionary settings;
          settings.set(Symbol::intern(L"state"), quip::Token(Symbol::intern(L"active"), false));
          settings.set(Symbol::intern(L"layer"), quip::Token(Symbol::intern(L"gui"), false));
          w->load(settings);
        }
        answer.set(Symbol::intern(name.c_str()),
                   quip::Token(GUI::WidgetRegistry::instance()->registerWidget(w), false));
      }
      i->push(quip::Token(answer));
    });
  }

  bool load(std::vector<std::pair<std::wstring, bool>> pages) {
    g_build = std::move(pages);
    return factory()->loadPages(String(L"test"), quip::Token(code(L"makePages"), true));
  }
  PageFactory *factory() { return PageFactory::instance(); }
  static Symbol sym(const wchar_t *t) { return Symbol::intern(t); }
  bool onLayer(Page *page) {
    for (video::Renderable *r : layer().renderables())
      if (r == page)
        return true;
    return false;
  }
};

TEST_F(PageFactoryTest, LoadsPagesSkipsWidgetsAndUpdatesInNameOrder) {
  ASSERT_TRUE(load({{L"zeta", true}, {L"loose", false}, {L"alpha", true}}));
  ASSERT_EQ(factory()->pageNames().size(), 2u);
  EXPECT_EQ(factory()->pageNames()[0], sym(L"alpha"));
  Page *alpha = factory()->lookup(sym(L"alpha"));
  ASSERT_NE(alpha, nullptr);
  // The state its dictionary gave it ran its transition.
  EXPECT_EQ(alpha->state(), uint32_t(Page::ACTIVE));
  EXPECT_TRUE(onLayer(alpha));
  EXPECT_EQ(GUI::WidgetRegistry::instance()->size(), 0u);
  g_log.clear();
  factory()->update(0.1f);
  EXPECT_EQ(g_log, "alpha.update zeta.update ");
  EXPECT_EQ(factory()->pageNames(String(L"ZE")).size(), 1u);
}

TEST_F(PageFactoryTest, TrashedPageStaysDrawnUntilTheNextUpdate) {
  ASSERT_TRUE(load({{L"one", true}}));
  Page *one = factory()->lookup(sym(L"one"));
  factory()->trashPage(one);
  EXPECT_FALSE(factory()->contains(sym(L"one")));
  EXPECT_TRUE(factory()->pageNames().isEmpty());
  EXPECT_TRUE(one->isFinished());
  EXPECT_TRUE(onLayer(one));
  factory()->update(0.1f);
  EXPECT_TRUE(layer().renderables().isEmpty());
  EXPECT_TRUE(layer().eventHandlers().isEmpty());
}

TEST_F(PageFactoryTest, ReloadReplacesPagesByNameAndSkipsMissingNames) {
  ASSERT_TRUE(load({{L"one", true}}));
  Page *old = factory()->lookup(sym(L"one"));
  quip::Array names(0);
  names.append(quip::Token(sym(L"one"), false));
  names.append(quip::Token(sym(L"never"), false));
  g_build = {{L"one", true}};
  ASSERT_TRUE(
      factory()->reloadPages(names, String(L"again"), quip::Token(code(L"makePages"), true)));
  Page *now = factory()->lookup(sym(L"one"));
  ASSERT_NE(now, nullptr);
  EXPECT_NE(now, old);
  EXPECT_EQ(layer().renderables().size(), 1u);
}

TEST_F(PageFactoryTest, LoadingANameAgainRetiresTheOldPage) {
  ASSERT_TRUE(load({{L"one", true}}));
  Page *old = factory()->lookup(sym(L"one"));
  ASSERT_TRUE(load({{L"one", true}}));
  EXPECT_NE(factory()->lookup(sym(L"one")), old);
  EXPECT_TRUE(old->isFinished());
  factory()->update(0.1f);
  EXPECT_EQ(layer().renderables().size(), 1u);
  EXPECT_EQ(factory()->pageNames().size(), 1u);
}

TEST_F(PageFactoryTest, LoadScriptAnsweringNoDictionaryLoadsNothing) {
  EXPECT_FALSE(factory()->loadPages(String(L"bad"), quip::Token(code(L"1 2"), true)));
  EXPECT_TRUE(factory()->pageNames().isEmpty());
}

TEST_F(PageFactoryTest, WidgetPathedFindsOrReportsNull) {
  ASSERT_TRUE(load({{L"home", true}}));
  Page *home = factory()->lookup(sym(L"home"));
  auto *box = new Probe("box");
  auto *button = new Probe("button");
  box->addChild(button);
  home->addChild(box);
  quip::Array path(0);
  path.append(quip::Token(sym(L"home"), false));
  EXPECT_EQ(factory()->widgetPathed(path), home);
  path.append(quip::Token(sym(L"box"), false));
  path.append(quip::Token(sym(L"button"), false));
  EXPECT_EQ(factory()->widgetPathed(path), button);
  path.append(quip::Token(sym(L"knob"), false));
  EXPECT_EQ(factory()->widgetPathed(path), nullptr);
  quip::Array missing(0);
  missing.append(quip::Token(sym(L"away"), false));
  EXPECT_EQ(factory()->widgetPathed(missing), nullptr);
}

TEST_F(PageFactoryTest, PageStateRoundTripsAndAnUnknownNameReadsNothing) {
  ASSERT_TRUE(load({{L"home", true}}));
  Page *home = factory()->lookup(sym(L"home"));
  home->addChild(new Probe("c"));
  home->children()[0]->setPosition(math::Vector2(5, 6));
  file::BufferBinary out;
  factory()->writePageState(*home, out);
  home->exit();
  home->children()[0]->setPosition(math::Vector2());
  out.seek(0);
  EXPECT_TRUE(factory()->readPageState(out));
  EXPECT_EQ(home->state(), uint32_t(Page::ACTIVE));
  EXPECT_EQ(home->children()[0]->position().x, 5.0f);

  file::BufferBinary stranger;
  file::write(sym(L"ghost"), stranger);
  file::write(1.0f, stranger);
  stranger.seek(0);
  EXPECT_FALSE(factory()->readPageState(stranger));
  EXPECT_EQ(stranger.bytesRemaining(), 4u);
}

TEST_F(PageFactoryTest, ModalShownOnlyWhileEnteringOrActive) {
  ASSERT_TRUE(load({{L"dialog", true}}));
  Page *dialog = factory()->lookup(sym(L"dialog"));
  dialog->setModal(true);
  EXPECT_TRUE(factory()->isModalPageShown());
  dialog->stateTransition(Page::EXIT).duration = 1;
  dialog->exit();
  EXPECT_FALSE(factory()->isModalPageShown());
  EXPECT_EQ(factory()->openPageNames().size(), 0u);
}

} // namespace
