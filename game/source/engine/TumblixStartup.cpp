// The application's start-up: the system initialisation before loading, the
// game's layers, the seven stages after the framework's load steps (one per
// frame, so that the loading screen keeps drawing) and the first screen.

#include "engine/Tumblix.h"

#include "audio/Library.h"
#include "audio/Player.h"
#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/Engine.h"
#include "engine/FrontEnd.h"
#include "engine/GameProfile.h"
#include "engine/PageCalls.h"
#include "error/Log.h"
#include "file/Database.h"
#include "framework/BetaLog.h"
#include "framework/CorvaneDatabase.h"
#include "framework/GameEngine.h"
#include "framework/Shell.h"
#include "gui/PageFactory.h"
#include "screen/ScreenRegistry.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"
#include "threads/Socket.h"
#include "video/Layer.h"
#include "video/LayerManager.h"

void Tumblix::handleArguments(const container::Vector<String> &) {
  framework::BetaLog &events = framework::BetaLog::instance();
  events.logEvent(String(L"Build snapshot version"), String(L"3"));
  events.logEvent(String(L"Build server version"), String(L"1"));
  events.logEvent(String(L"Build saved game version"), String(L"2"));

  CorvaneDatabase *database = corvaneDatabase();
  if (database)
    database->setLoadMonolithicSkeletonFile(true);

  if (framework::Shell *shell = framework::Shell::instance())
    shell->systemInitialize(shell->screenMetrics(), false, false, false, 0, iconPath(),
                            windowTitle());
  logLine(L"Initialized system");

  if (database) {
    database->textureManager().reserveBuffer(800000);
    database->reserveBuffer(20000);
  }
  audio::Player::instance().setChunkSize(2048);
}

void Tumblix::createLayers() {
  Framework::createLayers();
  struct Insertion {
    const wchar_t *layer;
    const wchar_t *after;
  };
  static const Insertion insertions[] = {{L"foregroundMenuUnder", L"foreground"},
                                         {L"foregroundMenuOver", L"foregroundMenu"},
                                         {L"foregroundHighest", L"foregroundMenuOver"}};
  video::LayerManager &layers = video::LayerManager::instance();
  for (const Insertion &insertion : insertions) {
    auto *layer = new video::Layer(Symbol::intern(insertion.layer));
    // Without the named layer there is nothing to put it after.
    if (!layers.insertLayerAfter(layer, Symbol::intern(insertion.after)))
      delete layer;
  }
}

void Tumblix::finishLoad1() {
  runStartupStage(m_startupStage);
  ++m_startupStage;
}

void Tumblix::runStartupStage(uint32_t stage) {
  FrontEnd *frontEnd = FrontEnd::installed();
  switch (stage) {
  case 0: {
    FPSMeter &meter = fpsMeter();
    meter.setFontName(SYM(L"fontSmall"));
    meter.setPosition(math::Vector2(290.0f, 470.0f));
    meter.setColor(math::Color(0.7f, 0.7f, 0.7f, 1.0f));
    break;
  }
  case 1:
    if (frontEnd) {
      frontEnd->profile().load();
      logLine(L"Loaded user profile.");
    }
    break;
  case 2:
    if (frontEnd)
      frontEnd->createMenuPages();
    break;
  case 3:
    if (frontEnd)
      frontEnd->registerScreens();
    break;
  case 4: {
    auto *engine = new Engine;
    framework::GameEngine::setCurrent(engine);
    engine->activate();
    break;
  }
  case 5:
    Socket::startNetwork();
    if (frontEnd)
      frontEnd->requestServerAddress();
    logLine(L"Initialized socket system");
    break;
  case 6:
    preloadAssets();
    break;
  default:
    m_startupDone = true;
    break;
  }
}

// The skeletons "pageScores" and "titleBackground" join when skeletons load.
void Tumblix::preloadAssets() {
  if (Database *database = Database::current()) {
    if (TextureManager *textures = TextureManager::of(*database))
      for (Symbol name : {SYM(L"earthLeft"), SYM(L"earthRight"), SYM(L"earthNorth")})
        textures->getTexture(name)->load();
    if (audio::Library *sounds = audio::Library::of(*database, false))
      for (Symbol name : {SYM(L"flyingSaucer"), SYM(L"flyingSaucerFast"),
                          SYM(L"flyingSaucerFastRightLeft"), SYM(L"intro")})
        if (audio::SoundBuffer *sound = sounds->lookup(name))
          sound->loadChunk();
  }
  if (FrontEnd *frontEnd = FrontEnd::installed())
    frontEnd->createGlobe();
  Engine::preloadTextures();
  Block::preloadTextures();
  Ball::preloadTextures();
}

void Tumblix::finishLoad3() {
  static const Symbol home = SYM(L"home");
  static const Symbol homeIntro = SYM(L"homeIntro");
  screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
  if (!readSnapshot()) {
    log(String(L"No snapshot"), false);
    screens.switchScreen(homeIntro);
  } else {
    log(String(L"Loaded snapshot"), false);
    const Symbol current = screens.currentScreenName();
    if (current == home)
      screens.switchScreen(homeIntro);
    else if (current != homeIntro)
      enterPage(SYM(L"loadedSnapshot"));
  }
  GUI::PageFactory::instance()->touchShownPages();
}
