// The level's doors and switches: switches by cell, the toggle a switch
// sends to every door, and their drawing in the blocks' pass.

#include "engine/Level.h"

Switch *Level::takeSwitch(const math::Vector2i &cell) {
  for (uint32_t i = 0; i < m_switches.size(); ++i)
    if (m_switches[i]->cell().x == cell.x && m_switches[i]->cell().y == cell.y)
      return m_switches.removeAt(i);
  return nullptr;
}

bool Level::hasSwitch(const math::Vector2i &cell) const {
  for (const Switch *pad : m_switches)
    if (pad->cell().x == cell.x && pad->cell().y == cell.y)
      return true;
  return false;
}

void Level::toggleDoors() {
  for (Door *door : m_doors)
    door->toggle();
}

void Level::renderDoors(video::Canvas &canvas) {
  for (Door *door : m_doors)
    if (isVisible(door->bounds()))
      door->renderBeam(canvas);
  for (Door *door : m_doors)
    if (isVisible(door->bounds()))
      door->renderCovers(canvas);
}

void Level::renderSwitches(video::Canvas &canvas) {
  for (Switch *pad : m_switches) {
    const math::Vector3 at = pad->getPosition();
    const math::Vector3 reach(Switch::radius, Switch::radius, 0.0f);
    if (isVisible(math::Box3D(at, reach)))
      pad->render(canvas);
  }
}
