#include "gui/PageLevelTotals.h"

#include "engine/Engine.h"
#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "gui/StandInText.h"
#include "scores/UserProfile.h"
#include "screen/ScreenRegistry.h"

namespace GUI {

PageLevelTotals::PageLevelTotals() {
  setName(Symbol::intern(L"levelCompleteStage1"));
  setLayerName(Symbol::intern(L"foregroundMenu"));
}

void PageLevelTotals::afterEnter() {
  m_lines.clear();
  const Engine *engine = Engine::instance();
  const Level *level = engine ? engine->level() : nullptr;
  if (!level)
    return;
  m_lines.push(String::format(L"Score: %u", level->score()));
  m_lines.push(String::format(L"Time Bonus: %u", level->timeBonus()));
  m_lines.push(String::format(L"Ball Bonus: %u", level->bonusPoints()));
  m_lines.push(String::format(L"Total: %u", level->total()));
}

void PageLevelTotals::draw(video::Canvas &canvas) { drawStandInLines(canvas, m_lines); }

bool PageLevelTotals::onPointerDown(const framework::InputEvent &event) {
  (void)event;
  if (state() != ACTIVE)
    return true;
  UserProfile &profile = UserProfile::instance();
  const uint32_t next = profile.currentLevel() + 1;
  if (next < LevelCatalogue::instance().levelCount())
    profile.selectLevel(next);
  screen::ScreenRegistry::instance().switchScreen(Symbol::intern(L"game"));
  if (Engine *engine = Engine::instance())
    engine->restartLevel();
  return true;
}

} // namespace GUI
