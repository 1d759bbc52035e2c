#include "engine/LevelCatalogue.h"

#include <gtest/gtest.h>

TEST(LevelCatalogue, NamesInPlayOrder) {
  const LevelCatalogue &catalogue = LevelCatalogue::instance();
  // Seventy levels although the groups run to 30: group 16 does not exist.
  EXPECT_EQ(catalogue.levelCount(), 70u);
  const struct {
    uint32_t index;
    const wchar_t *name;
  } cases[] = {
      {0, L"level00_0"},  {2, L"level00_2"},  {6, L"level02_0"},  {20, L"level07_0"},
      {38, L"level15_2"}, {39, L"level17_0"}, {40, L"level17_1"}, {69, L"level30_0"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(catalogue.levelName(c.index), String(c.name)) << c.index;
  // Past the end: no name rather than a read outside the table.
  EXPECT_TRUE(catalogue.levelName(70).isEmpty());
}

TEST(LevelCatalogue, DestroyedAndMadeAgain) {
  LevelCatalogue::instance();
  LevelCatalogue::destroy();
  EXPECT_EQ(LevelCatalogue::instance().levelName(1), String(L"level00_1"));
  LevelCatalogue::destroy();
}
