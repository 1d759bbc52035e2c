#pragma once
// A screen of the game: its name and its two page lists are fixed when it is
// made, not read from a script.

#include "screen/Screen.h"

#include <initializer_list>

namespace screen {

class FixedScreen : public Screen {
public:
  FixedScreen(const wchar_t *name, std::initializer_list<const wchar_t *> openPages,
              std::initializer_list<const wchar_t *> allowPages = {});
};

} // namespace screen
