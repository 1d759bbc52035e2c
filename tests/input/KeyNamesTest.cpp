#include "framework/ShellTestSupport.h"
#include "input/Key.h"

#include <gtest/gtest.h>

using namespace framework;
using shelltest::narrow;

TEST(KeyNames, NamesOfCodes) {
  const struct {
    int code;
    const char *name;
  } cases[] = {
      {0, "UNKNOWN"},
      {8, "Backspace"},
      {12, "Clear"},
      {33, "!"},
      {36, "$"},
      {37, "UNKNOWN"},
      {45, "-"},
      {64, "@"},
      {65, "A"},
      {90, "Z"},
      {97, "a"},
      {122, "z"},
      {123, "UNKNOWN"},
      {127, "Delete"},
      {256, "0 (Num pad)"},
      {265, "9 (Num pad)"},
      {269, "- (Num pad)"},
      {271, "Enter (Num pad)"},
      {273, "Up"},
      {280, "Page Up"},
      {281, "Page Down"},
      {282, "F1"},
      {296, "F15"},
      {297, "UNKNOWN"},
      {311, "left super"},
      {312, "right super"},
      {321, "Euro"},
      {322, "UNKNOWN"},
      {-1, "UNKNOWN"},
      {323, "UNKNOWN"},
      {100000, "UNKNOWN"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(narrow(keyName(c.code).toString()), c.name) << c.code;
}

TEST(KeyNames, EveryNameLeadsBackToItsKey) {
  Symbol unknown = Symbol::intern(L"UNKNOWN");
  int named = 0;
  for (int code = 1; code < KEY_COUNT; ++code) {
    Symbol name = keyName(code);
    if (name == unknown)
      continue;
    ++named;
    EXPECT_EQ(keyFromName(name), code) << narrow(name.toString());
  }
  EXPECT_GT(named, 150);
  EXPECT_EQ(keyFromName(unknown), KEY_UNKNOWN);
  EXPECT_EQ(keyFromName(Symbol::intern(L"Page up")), KEY_UNKNOWN);
  EXPECT_EQ(keyFromName(Symbol::intern(L"Escape")), KEY_ESCAPE);
}

TEST(KeyNames, Modifiers) {
  const struct {
    uint32_t mask;
    const char *name;
  } cases[] = {{0, "NONE"},    {1, "Left Shift"}, {2, "Right Shift"}, {3, "Shift"},
               {12, "Ctrl"},   {48, "Alt"},       {192, "Meta"},      {256, "Num Lock"},
               {1024, "Mode"}, {5, "NONE"},       {2048, "NONE"}};
  for (const auto &c : cases) {
    EXPECT_EQ(narrow(modifierName(c.mask).toString()), c.name) << c.mask;
    if (std::string(c.name) != "NONE") {
      EXPECT_EQ(modifierFromName(Symbol::intern(String(c.name))), c.mask) << c.name;
    }
  }
  EXPECT_EQ(modifierFromName(Symbol::intern(L"NONE")), 0u);
  EXPECT_EQ(modifierFromName(Symbol::intern(L"Hyper")), 0u);
}
