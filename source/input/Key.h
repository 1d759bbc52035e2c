#pragma once
// Keys and modifier bits as the engine names them. Key codes follow SDL 1.2's
// numbering; the input state maps SDL's codes onto them, dropping the ones
// the engine does not take.

#include "xstring/Symbol.h"

#include <cstdint>

namespace framework {

enum Key : int32_t {
  KEY_UNKNOWN = 0,
  KEY_BACKSPACE = 8,
  KEY_TAB = 9,
  KEY_CLEAR = 12,
  KEY_RETURN = 13,
  KEY_PAUSE = 19,
  KEY_ESCAPE = 27,
  KEY_SPACE = 32,
  KEY_MINUS = 45,
  KEY_DELETE = 127,
  KEY_KP0 = 256,
  KEY_KP_PERIOD = 266,
  KEY_KP_DIVIDE = 267,
  KEY_KP_MULTIPLY = 268,
  KEY_KP_MINUS = 269,
  KEY_KP_PLUS = 270,
  KEY_KP_ENTER = 271,
  KEY_KP_EQUALS = 272,
  KEY_UP = 273,
  KEY_DOWN = 274,
  KEY_RIGHT = 275,
  KEY_LEFT = 276,
  KEY_INSERT = 277,
  KEY_HOME = 278,
  KEY_END = 279,
  KEY_PAGE_UP = 280,
  KEY_PAGE_DOWN = 281,
  KEY_F1 = 282,
  KEY_F15 = 296,
  KEY_NUM_LOCK = 300,
  KEY_CAPS_LOCK = 301,
  KEY_SCROLL_LOCK = 302,
  KEY_RIGHT_SHIFT = 303,
  KEY_LEFT_SHIFT = 304,
  KEY_RIGHT_CTRL = 305,
  KEY_LEFT_CTRL = 306,
  KEY_RIGHT_ALT = 307,
  KEY_LEFT_ALT = 308,
  KEY_RIGHT_META = 309,
  KEY_LEFT_META = 310,
  KEY_LEFT_SUPER = 311,
  KEY_RIGHT_SUPER = 312,
  KEY_MODE = 313,
  KEY_COMPOSE = 314,
  KEY_HELP = 315,
  KEY_PRINT = 316,
  KEY_SYSREQ = 317,
  KEY_BREAK = 318,
  KEY_MENU = 319,
  KEY_POWER = 320,
  KEY_EURO = 321,
  KEY_COUNT = 323
};

enum Modifier : uint32_t {
  MOD_NONE = 0,
  MOD_LEFT_SHIFT = 1,
  MOD_RIGHT_SHIFT = 2,
  MOD_LEFT_CTRL = 4,
  MOD_RIGHT_CTRL = 8,
  MOD_LEFT_ALT = 16,
  MOD_RIGHT_ALT = 32,
  MOD_LEFT_META = 64,
  MOD_RIGHT_META = 128,
  MOD_NUM_LOCK = 256,
  MOD_CAPS_LOCK = 512,
  MOD_MODE = 1024,
  MOD_SHIFT = MOD_LEFT_SHIFT | MOD_RIGHT_SHIFT,
  MOD_CTRL = MOD_LEFT_CTRL | MOD_RIGHT_CTRL,
  MOD_ALT = MOD_LEFT_ALT | MOD_RIGHT_ALT,
  MOD_META = MOD_LEFT_META | MOD_RIGHT_META
};

// The bit a modifier key sets while it is down; 0 for every other key.
uint32_t modifierOfKey(int32_t key);

// Names for scripts. A code outside the table is "UNKNOWN"; a name outside it
// is KEY_UNKNOWN. A mask with no name of its own is "NONE", whose mask is 0.
Symbol keyName(int32_t key);
Key keyFromName(Symbol name);
Symbol modifierName(uint32_t mask);
Modifier modifierFromName(Symbol name);

} // namespace framework
