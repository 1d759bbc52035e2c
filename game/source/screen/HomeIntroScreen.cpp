#include "screen/HomeIntroScreen.h"

#include "engine/Engine.h"
#include "engine/LevelCatalogue.h"
#include "error/Log.h"
#include "scores/UserProfile.h"
#include "screen/ScreenRegistry.h"

namespace screen {

namespace {
bool g_firstLevelGiven = false;
uint32_t g_firstLevel = 0;
} // namespace

HomeIntroScreen::HomeIntroScreen() : FixedScreen(L"homeIntro", {L"homeBackground", L"homeIntro"}) {}

void HomeIntroScreen::setFirstLevel(uint32_t level) {
  g_firstLevelGiven = true;
  g_firstLevel = level;
}

void HomeIntroScreen::clearFirstLevel() { g_firstLevelGiven = false; }

void HomeIntroScreen::enterPages(Symbol previous) {
  FixedScreen::enterPages(previous);
  m_startPending = true;
}

void HomeIntroScreen::update(float dt) {
  FixedScreen::update(dt);
  if (!m_startPending)
    return;
  m_startPending = false;
  if (g_firstLevelGiven) {
    g_firstLevelGiven = false;
    if (g_firstLevel < LevelCatalogue::instance().levelCount())
      UserProfile::instance().selectLevel(g_firstLevel);
    else
      logLine(String::format(L"No level %u: the game has %u levels", g_firstLevel,
                             LevelCatalogue::instance().levelCount()));
  }
  static const Symbol game = Symbol::intern(L"game");
  ScreenRegistry::instance().switchScreen(game);
  if (Engine *engine = Engine::instance())
    engine->restartLevel();
}

} // namespace screen
