// The level's chomps, fires and money bugs: chomps by cell, where a bug's
// coins may land, and their drawing in the objects pass.

#include "engine/CellLookup.h"
#include "engine/Level.h"

Chomp *Level::takeChomp(const math::Vector2i &cell) { return celllookup::take(m_chomps, cell); }

bool Level::hasChomp(const math::Vector2i &cell) const { return celllookup::has(m_chomps, cell); }

bool Level::cellIsFree(const math::Vector2i &cell) const {
  if (!onFloor(cellCentre(cell)) || m_blockGrid.blockCovering(cell.x, cell.y) || hasCoin(cell) ||
      hasChomp(cell) || hasSwitch(cell) || hasTarBall(cell))
    return false;
  for (const Gate *gate : m_gates)
    if (celllookup::sameCell(worldToCell(gate->from()), cell) ||
        celllookup::sameCell(worldToCell(gate->to()), cell))
      return false;
  return true;
}

void Level::renderChomps(video::Canvas &canvas) {
  for (Chomp *chomp : m_chomps)
    chomp->renderLayer(canvas, 0);
  const math::Vector2i &low = m_visibleCellLow, &high = m_visibleCellHigh;
  for (uint32_t layer = 1; layer < Chomp::layerCount; ++layer)
    for (Chomp *chomp : m_chomps) {
      const math::Vector2i &cell = chomp->cell();
      if (cell.x >= low.x && cell.x <= high.x && cell.y >= low.y && cell.y <= high.y)
        chomp->renderLayer(canvas, layer);
    }
}

void Level::renderFires(video::Canvas &canvas) {
  for (Fire *fire : m_fires)
    if (isVisible(fire->bounds()))
      fire->render(canvas);
}

void Level::renderMoneyBugs(video::Canvas &canvas) {
  for (uint32_t layer = 0; layer < MoneyBug::layerCount; ++layer)
    for (MoneyBug *bug : m_moneyBugs)
      if (isVisible(bug->bounds()))
        bug->renderLayer(canvas, layer);
}
