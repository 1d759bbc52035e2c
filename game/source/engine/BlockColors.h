#pragma once
// The colour index of every coloured thing of a level: 0 blue, 1 green,
// 2 magenta, 3 orange, 4 red, 5 teal; 6 (and any index above) is no colour.
// Orange draws as yellow and teal as cyan (colorValue).

#include "math/GameColors.h"
#include "xstring/Symbol.h"

enum : unsigned { COLOR_COUNT = 6, COLOR_NONE = 6 };

// The index whose name ("blue" .. "teal") is the symbol; COLOR_NONE when none
// is.
unsigned colorIndex(Symbol name);
