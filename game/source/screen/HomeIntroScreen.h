#pragma once
// The screen the game opens on: the title background and the intro page.
// Until the home pages exist it goes straight to play: on its first update
// after entry it switches to "game" and starts the profile's current level,
// selecting the level the program was started with first, when one was.

#include "screen/FixedScreen.h"

#include <cstdint>

namespace screen {

class HomeIntroScreen : public FixedScreen {
public:
  HomeIntroScreen();

  // The level to select before the first start (the program's "--level N").
  static void setFirstLevel(uint32_t level);
  static void clearFirstLevel();

  void enterPages(Symbol previous) override;
  void update(float dt) override;

private:
  bool m_startPending = false;
};

} // namespace screen
