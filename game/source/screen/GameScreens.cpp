#include "screen/GameScreens.h"

#include "screen/HomeIntroScreen.h"
#include "screen/HomeScreen.h"
#include "screen/ScreenRegistry.h"

namespace screen {

void registerGameScreens() {
  ScreenRegistry &screens = ScreenRegistry::instance();
  screens.clear();
  screens.addScreen(new FixedScreen(L"blank", {}));
  screens.addScreen(new FixedScreen(L"game", {L"game"}));
  screens.addScreen(new HomeScreen);
  screens.addScreen(new HomeIntroScreen);
  screens.addScreen(
      new FixedScreen(L"levelComplete", {L"levelCompleteOverlay", L"levelCompleteStage1"}));
}

} // namespace screen
