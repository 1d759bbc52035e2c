#include "engine/BlockColors.h"

unsigned colorIndex(Symbol name) {
  static const Symbol names[COLOR_COUNT] = {SYM(L"blue"),   SYM(L"green"), SYM(L"magenta"),
                                            SYM(L"orange"), SYM(L"red"),   SYM(L"teal")};
  for (unsigned i = 0; i < COLOR_COUNT; ++i)
    if (names[i] == name)
      return i;
  return COLOR_NONE;
}
