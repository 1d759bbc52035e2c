// The level's coins by cell, and how they are drawn: idle coins on screen
// in one batch, moving ones by themselves.

#include "engine/Level.h"

namespace {

bool sameCell(const math::Vector2i &a, const math::Vector2i &b) { return a.x == b.x && a.y == b.y; }

} // namespace

Coin *Level::takeCoin(const math::Vector2i &cell) {
  for (uint32_t i = 0; i < m_coins.size(); ++i)
    if (sameCell(m_coins[i]->cell(), cell))
      return m_coins.removeAt(i);
  return nullptr;
}

bool Level::hasCoin(const math::Vector2i &cell) const {
  for (const Coin *coin : m_coins)
    if (sameCell(coin->cell(), cell))
      return true;
  return false;
}

void Level::renderCoins(video::Canvas &canvas) {
  const math::Vector2i &low = m_visibleCellLow, &high = m_visibleCellHigh;
  for (Coin *coin : m_coins) {
    if (coin->state() != Coin::IDLE) {
      coin->render(canvas);
      continue;
    }
    const math::Vector2i &cell = coin->cell();
    if (cell.x >= low.x && cell.x <= high.x && cell.y >= low.y && cell.y <= high.y)
      m_batches.coin().add(math::Vector2(coin->position.x, coin->position.y), math::Color::white);
  }
  m_batches.coin().draw(canvas, m_spriteSize);
}
