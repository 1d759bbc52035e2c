// The application's end of run, and the rebuild of its pages when the
// window takes a new size.

#include "engine/Tumblix.h"

#include "engine/Engine.h"
#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "framework/GameEngine.h"
#include "framework/LocationDelegate.h"
#include "gui/GamePages.h"
#include "gui/PageFactory.h"
#include "scores/Globe.h"
#include "scores/Server.h"
#include "scores/UserProfile.h"
#include "screen/ScreenRegistry.h"

void Tumblix::end() {
  // Only a game that ran has a profile worth writing.
  if (state() == FRAMEWORK_RUNNING && UserProfile::exists())
    UserProfile::instance().save();
  if (framework::GameEngine *engine = framework::GameEngine::current()) {
    engine->deactivate();
    framework::GameEngine::deleteCurrent();
  }
  GUI::trashMenuPages();
  LevelCatalogue::destroy();
  UserProfile::destroy();
  GUI::PageFactory *pages = GUI::PageFactory::instance();
  pages->trashAll();
  pages->emptyTrash();
  video::Globe::destroy();
  Server::destroyAddrInfoThread();
  Server::deleteAddrInfo();
  m_coords.unregister();
  LocationDelegate::destroyInstance();
  Framework::end();
}

void Tumblix::windowSizeChanged() {
  // Before the menu pages exist (the window opens before loading) there is
  // nothing to rebuild.
  if (m_startupStage <= 2)
    return;
  static const Symbol blank = SYM(L"blank");
  screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
  Symbol current = screens.currentScreenName();
  if (screens.hasScreen(blank))
    screens.switchScreen(blank);
  GUI::recreateMenuPages();
  if (Engine::instance())
    GUI::recreateGamePages();
  if (!current.isEmpty())
    screens.switchScreen(current);
  if (Engine *engine = Engine::instance())
    if (Level *level = engine->level())
      level->touch();
  if (video::Globe::exists())
    video::Globe::instance().resetFieldOfView();
}
