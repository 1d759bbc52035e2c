// The level's coins by cell, and how they are drawn: idle coins on screen
// in one batch, moving ones by themselves.

#include "engine/CellLookup.h"
#include "engine/Level.h"

Coin *Level::takeCoin(const math::Vector2i &cell) { return celllookup::take(m_coins, cell); }

bool Level::hasCoin(const math::Vector2i &cell) const { return celllookup::has(m_coins, cell); }

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
