#pragma once
// What the level-file and saved-game readers need around them, made once:
// the game's application with its engine current, the screen "game" and the
// pages "game" and "pause". No window, no data tree, no front end.

#include "engine/Engine.h"
#include "engine/Level.h"
#include "engine/Tumblix.h"
#include "framework/GameEngine.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "screen/FixedScreen.h"
#include "screen/ScreenRegistry.h"

namespace gamefuzz {

class FuzzTumblix : public Tumblix {
public:
  FuzzTumblix() = default;
};

inline void addPage(const wchar_t *name) {
  auto *page = new GUI::Page;
  page->setName(Symbol::intern(name));
  GUI::PageFactory::instance()->addPage(page);
}

inline Tumblix &world() {
  static Tumblix *app = nullptr;
  if (!app) {
    app = new FuzzTumblix;
    Framework::setInstance(app);
    framework::GameEngine::setCurrent(new Engine);
    screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
    screens.addScreen(new screen::FixedScreen(L"game", {}));
    screens.switchScreen(SYM(L"game"));
    addPage(L"game");
    addPage(L"pause");
  }
  return *app;
}

} // namespace gamefuzz
