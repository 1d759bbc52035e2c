// The application's end of run, and the rebuild of its pages when the
// window takes a new size.

#include "engine/Tumblix.h"

#include "engine/Engine.h"
#include "engine/FrontEnd.h"
#include "engine/GameProfile.h"
#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "framework/GameEngine.h"
#include "framework/LocationDelegate.h"
#include "gui/PageFactory.h"
#include "screen/ScreenRegistry.h"

void Tumblix::end() {
  FrontEnd *frontEnd = FrontEnd::installed();
  // Only a game that ran has a snapshot and a profile worth writing; the
  // profile is saved even when the snapshot could not be.
  if (state() == FRAMEWORK_RUNNING) {
    writeSnapshot();
    if (frontEnd && frontEnd->hasProfile())
      frontEnd->profile().save();
  }
  if (framework::GameEngine *engine = framework::GameEngine::current()) {
    engine->deactivate();
    framework::GameEngine::deleteCurrent();
  }
  if (frontEnd)
    frontEnd->trashMenuPages();
  LevelCatalogue::destroy();
  GUI::PageFactory *pages = GUI::PageFactory::instance();
  pages->trashAll();
  pages->emptyTrash();
  // What the pages may have used outlives them.
  if (frontEnd)
    frontEnd->end();
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
  FrontEnd *frontEnd = FrontEnd::installed();
  if (frontEnd) {
    frontEnd->trashMenuPages();
    frontEnd->createMenuPages();
    if (Engine::instance()) {
      frontEnd->trashGamePages();
      frontEnd->createGamePages();
    }
  }
  if (!current.isEmpty())
    screens.switchScreen(current);
  if (Engine *engine = Engine::instance())
    if (Level *level = engine->level())
      level->touch();
  if (frontEnd)
    frontEnd->windowResized();
}
