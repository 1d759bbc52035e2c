#include "physics/Category.h"

namespace physics {

namespace {
Symbol noneSymbol() { return SYM(L"none"); }
Symbol terrainSymbol() { return SYM(L"terrain"); }
Symbol obstacleSymbol() { return SYM(L"obstacle"); }
Symbol allSymbol() { return SYM(L"all"); }
Symbol insideSymbol() { return SYM(L"inside"); }
Symbol outsideSymbol() { return SYM(L"outside"); }
} // namespace

uint32_t symbolToCategory(Symbol symbol) {
  if (symbol == terrainSymbol())
    return CATEGORY_TERRAIN;
  if (symbol == obstacleSymbol())
    return CATEGORY_OBSTACLE;
  if (symbol == allSymbol())
    return CATEGORY_ALL;
  return CATEGORY_NONE;
}

Symbol categoryToSymbol(uint32_t category) {
  switch (category) {
  case CATEGORY_TERRAIN:
    return terrainSymbol();
  case CATEGORY_OBSTACLE:
    return obstacleSymbol();
  case CATEGORY_ALL:
    return allSymbol();
  default:
    return noneSymbol();
  }
}

uint32_t symbolToSide(Symbol symbol) { return symbol == insideSymbol() ? 0 : 1; }

Symbol sideToSymbol(uint32_t side) {
  if (side == 0)
    return insideSymbol();
  if (side == 1)
    return outsideSymbol();
  return Symbol::emptySymbol();
}

} // namespace physics
