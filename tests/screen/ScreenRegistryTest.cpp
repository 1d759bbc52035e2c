#include "screen/ScreenRegistry.h"
#include "framework/BetaLog.h"
#include "framework/ShellTestSupport.h"
#include "quip/Interpreter.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "screen/Screen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace shelltest;
using screen::Screen;
using screen::ScreenRegistry;

namespace {

std::vector<std::string> g_left;

class TestScreen : public Screen {
public:
  void leave(Symbol next) override {
    g_left.push_back(narrow(m_name.toString()) + ">" + narrow(next.toString()));
  }
};

Screen *makeTestScreen(const quip::Dictionary &dictionary) {
  Screen *screen = new TestScreen;
  screen->load(dictionary);
  return screen;
}

struct Recorder : screen::ScreenListener {
  void screenLeaving(Screen *leaving, Symbol next) override {
    calls.push_back("leaving " + narrow(leaving->name().toString()) + " for " +
                    narrow(next.toString()));
  }
  void screenEntered(Screen *current, Symbol previous) override {
    calls.push_back("entered " + narrow(current->name().toString()) + " from '" +
                    narrow(previous.toString()) + "'");
  }
  std::vector<std::string> calls;
};

// What the framework hands the registry as its log.
void betaLogEvent(const String &event, const String &data) {
  framework::BetaLog::instance().logEvent(event, data);
}

quip::Dictionary screenDictionary(const wchar_t *name) {
  quip::Dictionary d;
  d.set(SYM(L"name"), quip::Token(Symbol::intern(name), false));
  return d;
}

struct Registry {
  Registry() {
    g_left.clear();
    ScreenRegistry::destroyInstance();
    ScreenRegistry::instance().registerFactory(SYM(L"home"), makeTestScreen);
    ScreenRegistry::instance().registerFactory(SYM(L"game"), makeTestScreen);
  }
  ~Registry() { ScreenRegistry::destroyInstance(); }
  ScreenRegistry &operator*() { return ScreenRegistry::instance(); }
};

} // namespace

TEST(Screens, SwitchingTellsListenersAndLogsOnlyRealSwitches) {
  Registry registry;
  ScreenRegistry &screens = *registry;
  ASSERT_TRUE(screens.createScreen(screenDictionary(L"home")));
  ASSERT_TRUE(screens.createScreen(screenDictionary(L"game")));
  Recorder first, second;
  screens.addListener(&first);
  screens.addListener(&second);
  ScreenRegistry::setServices(nullptr, betaLogEvent);

  StderrCapture log;
  EXPECT_TRUE(screens.switchScreen(SYM(L"home")));
  screens.update(0.5f);
  EXPECT_FLOAT_EQ(screens.currentScreen()->time(), 0.5f);
  EXPECT_FALSE(screens.switchScreen(SYM(L"home")));
  EXPECT_TRUE(screens.switchScreen(SYM(L"game")));
  EXPECT_TRUE(screens.switchScreen(SYM(L"home")));
  std::string text = log.finish();
  ScreenRegistry::setServices(nullptr, nullptr);

  EXPECT_EQ(first.calls,
            (std::vector<std::string>{"entered home from ''", "leaving home for game",
                                      "entered game from 'home'", "leaving game for home",
                                      "entered home from 'game'"}));
  EXPECT_EQ(second.calls, first.calls);
  EXPECT_EQ(g_left, (std::vector<std::string>{"home>game", "game>home"}));
  EXPECT_EQ(countOf(text, "Enter screen: home"), 2u) << text;
  EXPECT_EQ(countOf(text, "Enter screen: game"), 1u) << text;
  // Entering again starts the clock again.
  EXPECT_FLOAT_EQ(screens.currentScreen()->time(), 0.0f);
  EXPECT_EQ(narrow(screens.currentScreenNameText()), "home");

  screens.removeListener(&first);
  screens.switchScreen(SYM(L"game"));
  EXPECT_EQ(first.calls.size(), 5u);
  EXPECT_EQ(second.calls.size(), 7u);
}

TEST(Screens, UnknownNamesAreRefusedAndChangeNothing) {
  Registry registry;
  ScreenRegistry &screens = *registry;
  screens.createScreen(screenDictionary(L"home"));
  screens.switchScreen(SYM(L"home"));
  Recorder listener;
  screens.addListener(&listener);

  StderrCapture log;
  EXPECT_FALSE(screens.switchScreen(SYM(L"nowhere")));
  EXPECT_EQ(screens.createScreen(screenDictionary(L"credits")), nullptr);
  EXPECT_EQ(screens.createScreen(quip::Dictionary()), nullptr);
  std::string text = log.finish();

  EXPECT_EQ(narrow(screens.currentScreenNameText()), "home");
  EXPECT_TRUE(listener.calls.empty());
  EXPECT_TRUE(g_left.empty());
  EXPECT_FALSE(screens.hasScreen(SYM(L"credits")));
  EXPECT_EQ(countOf(text, "No screen named nowhere"), 1u) << text;
  EXPECT_EQ(countOf(text, "No screen factory named credits"), 1u) << text;
  EXPECT_EQ(text.find("Enter screen"), std::string::npos);

  // Snapshots set the current screen directly, or none for an unknown name.
  EXPECT_TRUE(screens.setCurrentByName(SYM(L"home")));
  EXPECT_FALSE(screens.setCurrentByName(SYM(L"nowhere")));
  EXPECT_EQ(screens.currentScreen(), nullptr);
  EXPECT_TRUE(screens.currentScreenName().isEmpty());
  screens.update(1.0f);
}

TEST(Screens, LoadReadsPagesAndScripts) {
  Scene scene(0, false);
  Registry registry;
  ScreenRegistry &screens = *registry;
  quip::Array code =
      quip::translate(String(L"(name: home: openPages: [menu: title:] allowPages: [popup:] "
                             L" scripts: (hello: { pop })) "
                             L"(name: game:) 42"),
                      String(L"<screens>"));
  ASSERT_GT(code.count(), 0u);
  screens.loadScreens(code);
  ASSERT_TRUE(screens.hasScreen(SYM(L"home")));
  ASSERT_TRUE(screens.hasScreen(SYM(L"game")));
  Screen *home = screens.getScreen(SYM(L"home"));
  EXPECT_TRUE(home->opensPage(SYM(L"menu")));
  EXPECT_TRUE(home->opensPage(SYM(L"title")));
  EXPECT_TRUE(home->allowsPage(SYM(L"popup")));
  EXPECT_FALSE(home->allowsPage(SYM(L"menu")));

  // Entering opens its pages; the ones no factory knows are named and skipped.
  StderrCapture log;
  screens.switchScreen(SYM(L"home"));
  std::string text = log.finish();
  EXPECT_NE(text.find("opens unknown page menu"), std::string::npos) << text;
  EXPECT_NE(text.find("Enter screen: home"), std::string::npos) << text;

  quip::ScriptManager &scripts = scene.framework->scriptManager();
  uint32_t before = scripts.size();
  quip::Dictionary argument;
  EXPECT_TRUE(home->runScript(SYM(L"hello"), argument));
  EXPECT_EQ(scripts.size(), before + 1);
  quip::Interpreter *started = scripts.findRunning(SYM(L"hello"));
  ASSERT_TRUE(started);
  ASSERT_EQ(started->stackSize(), 1u);
  EXPECT_TRUE(started->top()->isDictionary());
  EXPECT_TRUE(started->top()->dictionary().sameBody(argument));

  StderrCapture missing;
  EXPECT_FALSE(home->runScript(SYM(L"bye"), argument));
  EXPECT_NE(missing.finish().find("Screen home does not have script named bye"), std::string::npos);

  // Loading again starts from an empty registry.
  screens.loadScreens(quip::translate(String(L"(name: game:)"), String(L"<screens>")));
  EXPECT_FALSE(screens.hasScreen(SYM(L"home")));
  EXPECT_EQ(screens.currentScreen(), nullptr);
}
