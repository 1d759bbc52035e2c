#include "engine/LevelCatalogue.h"

namespace {

// Groups in play order with their variant counts; there is no group 16.
struct Group {
  uint8_t number;
  uint8_t variants;
};

constexpr Group groups[] = {
    {0, 3},  {1, 3},  {2, 2},  {3, 3},  {4, 3},  {5, 3},  {6, 3},  {7, 1},  {8, 2},  {9, 2},
    {10, 1}, {11, 3}, {12, 3}, {13, 3}, {14, 1}, {15, 3}, {17, 2}, {18, 1}, {19, 1}, {20, 3},
    {21, 3}, {22, 3}, {23, 3}, {24, 3}, {25, 3}, {26, 3}, {27, 2}, {28, 2}, {29, 1}, {30, 1},
};

constexpr uint32_t countLevels() {
  uint32_t n = 0;
  for (const Group &g : groups)
    n += g.variants;
  return n;
}

constexpr uint32_t totalLevels = countLevels();
static_assert(totalLevels == 70);

LevelCatalogue *theCatalogue = nullptr;

} // namespace

LevelCatalogue &LevelCatalogue::instance() {
  if (!theCatalogue)
    theCatalogue = new LevelCatalogue;
  return *theCatalogue;
}

void LevelCatalogue::destroy() {
  delete theCatalogue;
  theCatalogue = nullptr;
}

uint32_t LevelCatalogue::levelCount() const { return totalLevels; }

String LevelCatalogue::levelName(uint32_t index) const {
  for (const Group &g : groups) {
    if (index >= g.variants) {
      index -= g.variants;
      continue;
    }
    String name(L"level");
    name += wchar_t(L'0' + g.number / 10);
    name += wchar_t(L'0' + g.number % 10);
    name += L'_';
    name += wchar_t(L'0' + index);
    return name;
  }
  return String();
}
