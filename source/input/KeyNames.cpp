#include "container/HashTable.h"
#include "input/Key.h"

namespace framework {

namespace {

struct KeyNames {
  Symbol names[KEY_COUNT];
  container::HashTable<Symbol, Key> keys;

  KeyNames() {
    Symbol unknown = Symbol::intern(L"UNKNOWN");
    for (int code = 0; code < KEY_COUNT; ++code)
      names[code] = unknown;
    wchar_t one[2] = {0, 0};
    auto own = [&](int from, int to) {
      for (int code = from; code <= to; ++code) {
        one[0] = wchar_t(code);
        names[code] = Symbol::intern(one);
      }
    };
    own(33, 36);
    own(38, 122);
    static const struct {
      int code;
      const wchar_t *name;
    } named[] = {
        {8, L"Backspace"},     {9, L"Tab"},
        {12, L"Clear"},        {13, L"Return"},
        {19, L"Pause"},        {27, L"Escape"},
        {32, L"Space"},        {127, L"Delete"},
        {266, L". (Num pad)"}, {267, L"/ (Num pad)"},
        {268, L"* (Num pad)"}, {269, L"- (Num pad)"},
        {270, L"+ (Num pad)"}, {271, L"Enter (Num pad)"},
        {272, L"= (Num pad)"}, {273, L"Up"},
        {274, L"Down"},        {275, L"Right"},
        {276, L"Left"},        {277, L"Insert"},
        {278, L"Home"},        {279, L"End"},
        {280, L"Page Up"},     {281, L"Page Down"},
        {300, L"Num Lock"},    {301, L"Caps Lock"},
        {302, L"Scroll Lock"}, {303, L"Right Shift"},
        {304, L"Left Shift"},  {305, L"Right Ctrl"},
        {306, L"Left Ctrl"},   {307, L"Right Alt"},
        {308, L"Left Alt"},    {309, L"Right Meta"},
        {310, L"Left Meta"},   {311, L"left super"},
        {312, L"right super"}, {313, L"Mode"},
        {314, L"Compose"},     {315, L"Help"},
        {316, L"Print"},       {317, L"SysReq"},
        {318, L"Break"},       {319, L"Menu"},
        {320, L"Power"},       {321, L"Euro"},
    };
    for (const auto &n : named)
      names[n.code] = Symbol::intern(n.name);
    for (int d = 0; d <= 9; ++d)
      names[KEY_KP0 + d] = Symbol::intern(String::format(L"%d (Num pad)", d));
    for (int f = 1; f <= 15; ++f)
      names[KEY_F1 + f - 1] = Symbol::intern(String::format(L"F%d", f));
    // Every named code, so that "UNKNOWN" itself gives KEY_UNKNOWN.
    for (int code = KEY_COUNT - 1; code >= 0; --code)
      if (names[code] != unknown || code == KEY_UNKNOWN)
        keys.put(names[code], Key(code));
  }
};

const KeyNames &keyNames() {
  static const KeyNames tables;
  return tables;
}

struct ModifierNames {
  container::HashTable<uint32_t, Symbol> names;
  container::HashTable<Symbol, Modifier> masks;

  ModifierNames() {
    static const struct {
      uint32_t mask;
      const wchar_t *name;
    } named[] = {
        {MOD_NONE, L"NONE"},
        {MOD_LEFT_SHIFT, L"Left Shift"},
        {MOD_RIGHT_SHIFT, L"Right Shift"},
        {MOD_LEFT_CTRL, L"Left Ctrl"},
        {MOD_RIGHT_CTRL, L"Right Ctrl"},
        {MOD_LEFT_ALT, L"Left Alt"},
        {MOD_RIGHT_ALT, L"Right Alt"},
        {MOD_LEFT_META, L"Left Meta"},
        {MOD_RIGHT_META, L"Right Meta"},
        {MOD_NUM_LOCK, L"Num Lock"},
        {MOD_CAPS_LOCK, L"Caps Lock"},
        {MOD_MODE, L"Mode"},
        {MOD_CTRL, L"Ctrl"},
        {MOD_SHIFT, L"Shift"},
        {MOD_ALT, L"Alt"},
        {MOD_META, L"Meta"},
    };
    for (const auto &n : named) {
      Symbol name = Symbol::intern(n.name);
      names.put(n.mask, name);
      masks.put(name, Modifier(n.mask));
    }
  }
};

const ModifierNames &modifierNames() {
  static const ModifierNames tables;
  return tables;
}

} // namespace

uint32_t modifierOfKey(int32_t key) {
  switch (key) {
  case KEY_LEFT_SHIFT:
    return MOD_LEFT_SHIFT;
  case KEY_RIGHT_SHIFT:
    return MOD_RIGHT_SHIFT;
  case KEY_LEFT_CTRL:
    return MOD_LEFT_CTRL;
  case KEY_RIGHT_CTRL:
    return MOD_RIGHT_CTRL;
  case KEY_LEFT_ALT:
    return MOD_LEFT_ALT;
  case KEY_RIGHT_ALT:
    return MOD_RIGHT_ALT;
  case KEY_LEFT_META:
    return MOD_LEFT_META;
  case KEY_RIGHT_META:
    return MOD_RIGHT_META;
  case KEY_NUM_LOCK:
    return MOD_NUM_LOCK;
  case KEY_CAPS_LOCK:
    return MOD_CAPS_LOCK;
  case KEY_MODE:
    return MOD_MODE;
  default:
    return 0;
  }
}

Symbol keyName(int32_t key) {
  const KeyNames &tables = keyNames();
  if (key < 0 || key >= KEY_COUNT)
    return tables.names[KEY_UNKNOWN];
  return tables.names[key];
}

Key keyFromName(Symbol name) {
  const Key *key = keyNames().keys.lookup(name);
  return key ? *key : KEY_UNKNOWN;
}

Symbol modifierName(uint32_t mask) {
  const ModifierNames &tables = modifierNames();
  const Symbol *name = tables.names.lookup(mask);
  return name ? *name : *tables.names.lookup(MOD_NONE);
}

Modifier modifierFromName(Symbol name) {
  const Modifier *mask = modifierNames().masks.lookup(name);
  return mask ? *mask : MOD_NONE;
}

} // namespace framework
