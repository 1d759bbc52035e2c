#include "engine/Engine.h"

#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "engine/Tumblix.h"
#include "error/Log.h"
#include "framework/Framework.h"
#include "gui/GamePages.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "platform/DeviceServices.h"
#include "quip/ScriptManager.h"
#include "scores/UserProfile.h"
#include "screen/ScreenRegistry.h"

namespace {

void enterPage(Symbol name) {
  if (GUI::Page *page = GUI::PageFactory::page(name))
    page->enter();
}

void exitPage(Symbol name) {
  if (GUI::Page *page = GUI::PageFactory::page(name))
    page->exit();
}

bool testerActive() { return Tumblix::exists() && Tumblix::instance()->tester().enabled; }

} // namespace

Engine::Engine() : GameEngine(SYM(L"engine")) {}

Engine::~Engine() { delete m_level; }

Engine *Engine::instance() { return dynamic_cast<Engine *>(framework::GameEngine::current()); }

void Engine::update(float dt) {
  bool modal = GUI::PageFactory::instance()->isModalPageShown();
  platform::setScreenTimeoutEnabled(m_state != PLAYING || modal);
  if (!shouldUpdate())
    return;
  m_stateTime += dt;
  if (m_level) {
    m_level->update(dt);
    if (m_state == PLAYING) {
      if (m_level->isComplete())
        setState(COMPLETE);
      else if (m_level->isFailed())
        setState(FAILED);
    }
  }
  if (m_state == COMPLETE && m_stateTime > 1.5f) {
    static const Symbol levelComplete = SYM(L"levelComplete");
    screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
    if (screens.hasScreen(levelComplete))
      screens.switchScreen(levelComplete);
  }
  GameEngine::update(dt);
}

void Engine::render(video::Canvas &canvas) {
  if (m_level)
    m_level->render(canvas);
  GameEngine::render(canvas);
}

void Engine::activate() {
  GameEngine::activate();
  GUI::createGamePages();
}

void Engine::deactivate() {
  leaveLevel();
  GUI::trashGamePages();
  GameEngine::deactivate();
}

void Engine::focusChanged(bool focused) {
  if (focused || testerActive() || m_state != PLAYING || !m_level)
    return;
  if (m_level->state() != Level::TUTORIAL)
    enterPage(SYM(L"pause"));
}

bool Engine::handleEvent(const framework::InputEvent &event) {
  return m_state == PLAYING && m_level && m_level->handleEvent(event);
}

bool Engine::shouldUpdate() const {
  if (m_state == PLAYING && GUI::PageFactory::instance()->isModalPageShown())
    return false;
  return !(Framework::exists() && Framework::instance()->isPaused());
}

void Engine::restartLevel() {
  scriptManager().haltAll();
  readLevelFile();
  startLevel();
}

void Engine::readLevelFile() {
  m_levelFile.clear();
  m_levelFile.clearOverrun();
  m_levelFilePath = String();
  uint32_t index = UserProfile::instance().m_currentLevel;
  LevelCatalogue &catalogue = LevelCatalogue::instance();
  if (index < catalogue.levelCount()) {
    m_levelFilePath = configDirectory() + L"/" + catalogue.levelName(index) + L".bin";
    // A file that does not open leaves the buffer empty.
    m_levelFile.open(m_levelFilePath);
  }
  m_levelFileLoaded = true;
}

void Engine::newLevel() {
  delete m_level;
  m_level = makeLevel();
}

Level *Engine::makeLevel() { return new Level(this); }

void Engine::startLevel() {
  leaveLevel();
  if (!m_levelFileLoaded)
    readLevelFile();
  // The level's reads trust the file's counts, so no level reads nothing.
  if (m_levelFile.size() == 0) {
    if (m_levelFilePath.isEmpty())
      logLine(String::format(L"Level not started: there is no level %u",
                             UserProfile::instance().m_currentLevel));
    else
      logLine(String(L"Level not started: its file is missing or empty: ") + m_levelFilePath);
    return;
  }
  newLevel();
  m_levelFile.seek(0);
  m_levelFile.clearOverrun();
  m_level->load(m_levelFile);

  Symbol background = m_level->backgroundName();
  Symbol interior = m_level->interiorName();
  ++m_levelStarts;
  if (m_levelStarts % 5 == 0) {
    if (Framework *framework = Framework::instance()) {
      container::HashTable<Symbol, bool> keep;
      keep.put(background, true);
      keep.put(interior, true);
      framework->unloadTexturesExcept(keep);
      framework->releaseSounds();
    }
  } else {
    unloadOtherBackgrounds(background, interior);
  }
  m_level->start();
  beginLevel();
}

void Engine::beginLevel() {
  if (!m_level)
    return;
  UserProfile &profile = UserProfile::instance();
  logLine(String::format(L"Level begin: %d", int(profile.m_currentLevel)));
  setState(PLAYING);
  m_level->begin();
  if (m_mode == CAMPAIGN)
    profile.beginCampaign();
}

void Engine::leaveLevel() {
  GameEngine::reset();
  exitPage(SYM(L"tutorial"));
  exitPage(SYM(L"bonusCharge"));
  exitPage(SYM(L"shakeIt"));
  exitPage(SYM(L"ballIntro"));
  delete m_level;
  m_level = nullptr;
  m_state = IDLE;
  m_stateTime = 0.0f;
  m_newRecord = false;
}

void Engine::setState(uint32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  if (state == FAILED) {
    enterPage(SYM(L"levelFailed"));
    return;
  }
  if (state != COMPLETE)
    return;
  UserProfile &profile = UserProfile::instance();
  uint32_t level = profile.m_currentLevel;
  uint32_t completed = profile.m_levelsCompleted;
  uint32_t total = m_level ? m_level->total() : 0;
  if (level + 1 < LevelCatalogue::instance().levelCount())
    profile.unlockLevel(level + 1);
  LocalLevelData *record = profile.localLevel(level);
  if (record && (completed <= level || record->m_score < total)) {
    record->setScore(total);
    m_newRecord = true;
  }
  if (m_mode == CAMPAIGN) {
    LocalCampaignData &campaign = profile.m_localCampaign;
    campaign.setScore(total + campaign.m_score);
    campaign.setLastLevel(level);
  }
  profile.completeLevel(level);
  profile.save();
}

void Engine::undoCampaignScore() {
  if (m_mode != CAMPAIGN || !m_level)
    return;
  LocalCampaignData &campaign = UserProfile::instance().m_localCampaign;
  uint32_t total = m_level->total();
  campaign.setScore(campaign.m_score - (total < campaign.m_score ? total : campaign.m_score));
}
