#pragma once
// The home screen: the title background and the home page, letting a
// still-running intro page finish. Leaving it gives back the big title
// picture, so that it does not stay in memory during play.

#include "screen/FixedScreen.h"

namespace screen {

class HomeScreen : public FixedScreen {
public:
  HomeScreen();
  void leave(Symbol next) override;
};

} // namespace screen
