#include "engine/Level.h"

#include "engine/GameCategories.h"

Level::Level(Engine *engine)
    : LevelBase(engine), m_floorPlane(math::Plane(math::Vector3(0.0f, 0.0f, -ballRadius),
                                                  math::Vector3(0.0f, 0.0f, 1.0f))) {
  m_backgroundName = SYM(L"backgroundBlack");
  m_interiorName = SYM(L"interiorBlack");
  m_effects.addList(groundEffects());
  m_effects.addList(blockEffects());
  m_effects.addList(objectEffects());
  m_floorPlane.category = CATEGORY_FLOOR;
  m_simulation.addGeometry(&m_floorPlane);
  setFieldOfView();
  refreshSpriteSize();
}

Level::~Level() { m_simulation.clear(); }

void Level::touch() {
  setFieldOfView();
  refreshSpriteSize();
}

void Level::addBlock(const physics::WorldGeometry *geometry, Block *block) {
  m_blockTable.put(geometry, block);
}

bool Level::removeBlock(const physics::WorldGeometry *geometry) {
  return m_blockTable.remove(geometry);
}

Block *Level::blockFromGeometry(const physics::WorldGeometry *geometry) const {
  return m_blockTable.get(geometry);
}

Symbol Level::groundEffects() { return SYM(L"ground"); }

Symbol Level::blockEffects() { return SYM(L"block"); }

Symbol Level::objectEffects() { return SYM(L"object"); }
