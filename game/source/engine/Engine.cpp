#include "engine/Engine.h"

#include "engine/FrontEnd.h"
#include "engine/GameProfile.h"
#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "engine/PageCalls.h"
#include "error/Log.h"
#include "framework/Framework.h"
#include "gui/PageFactory.h"
#include "platform/DeviceServices.h"
#include "quip/ScriptManager.h"
#include "screen/ScreenRegistry.h"

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
  if (FrontEnd *frontEnd = FrontEnd::installed())
    frontEnd->createGamePages();
}

void Engine::deactivate() {
  leaveLevel();
  if (FrontEnd *frontEnd = FrontEnd::installed())
    frontEnd->trashGamePages();
  GameEngine::deactivate();
}

void Engine::focusChanged(bool focused) {
  if (focused || FrontEnd::testerPlaying() || m_state != PLAYING || !m_level)
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
  GameProfile *profile = FrontEnd::currentProfile();
  LevelCatalogue &catalogue = LevelCatalogue::instance();
  if (profile && profile->currentLevel() < catalogue.levelCount()) {
    m_levelFilePath =
        configDirectory() + L"/" + catalogue.levelName(profile->currentLevel()) + L".bin";
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
  // An empty file is no level.
  if (m_levelFile.size() == 0) {
    GameProfile *profile = FrontEnd::currentProfile();
    if (!profile)
      logLine(L"Level not started: there is no player profile");
    else if (m_levelFilePath.isEmpty())
      logLine(String::format(L"Level not started: there is no level %u", profile->currentLevel()));
    else
      logLine(String(L"Level not started: its file is missing or empty: ") + m_levelFilePath);
    return;
  }
  newLevel();
  m_levelFile.seek(0);
  m_levelFile.clearOverrun();
  if (!m_level->load(m_levelFile)) {
    logLine(String(L"Level not started: its file is damaged: ") + m_levelFilePath);
    delete m_level;
    m_level = nullptr;
    return;
  }

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
  // A level is only started with a profile to play it for.
  GameProfile *profile = FrontEnd::currentProfile();
  if (!profile)
    return;
  logLine(String::format(L"Level begin: %d", int(profile->currentLevel())));
  setState(PLAYING);
  m_level->begin();
  if (m_mode == CAMPAIGN)
    profile->beginCampaign();
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
  GameProfile *profile = FrontEnd::currentProfile();
  if (!profile)
    return;
  uint32_t level = profile->currentLevel();
  uint32_t completed = profile->levelsCompleted();
  uint32_t total = m_level ? m_level->total() : 0;
  uint32_t count = LevelCatalogue::instance().levelCount();
  if (level + 1 < count)
    profile->unlockLevel(level + 1);
  // The profile keeps one score a level of the catalogue.
  if (level < count && (completed <= level || profile->levelScore(level) < total)) {
    profile->setLevelScore(level, total);
    m_newRecord = true;
  }
  if (m_mode == CAMPAIGN) {
    profile->setCampaignScore(total + profile->campaignScore());
    profile->setCampaignLastLevel(level);
  }
  profile->completeLevel(level);
  profile->save();
}

void Engine::undoCampaignScore() {
  GameProfile *profile = FrontEnd::currentProfile();
  if (m_mode != CAMPAIGN || !m_level || !profile)
    return;
  uint32_t score = profile->campaignScore();
  uint32_t total = m_level->total();
  profile->setCampaignScore(score - (total < score ? total : score));
}
