#include "engine/Level.h"

#include "engine/Ball.h"
#include "engine/FloorArea.h"
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
  m_ball = new Ball(*this);
  m_ball->atom().radius = tuning::ballRadius;
  m_ball->atom().bounce = tuning::ballBounce;
  setFieldOfView();
  refreshSpriteSize();
  static const Symbol scoreImages[scoreImageCount] = {
      SYM(L"score25"),  SYM(L"score50"),  SYM(L"score75"),  SYM(L"score100"), SYM(L"score125"),
      SYM(L"score150"), SYM(L"score175"), SYM(L"score200"), SYM(L"score225"), SYM(L"score250")};
  for (uint32_t i = 0; i < scoreImageCount; ++i)
    m_scoreBatches[i] = new SpriteBatch(scoreImages[i]);
}

Level::~Level() {
  // The blocks leave the block table as they go.
  m_blockGrid.clear();
  // Debris leaves the simulation as it goes.
  m_chunksNormal.deleteAll();
  m_chunksExplosion.deleteAll();
  // Their posts and spokes leave the simulation as they go.
  m_chomps.deleteAll();
  m_fires.deleteAll();
  m_moneyBugs.deleteAll();
  // Tar balls and worms leave the simulation as they go.
  m_tarBalls.deleteAll();
  m_worms.deleteAll();
  // Tubes take their band and boxes out of the simulation.
  m_tubes.deleteAll();
  // Their walls leave the simulation as they go.
  m_floorAreas.deleteAll();
  m_doors.deleteAll();
  m_switches.deleteAll();
  delete m_ball;
  m_simulation.clear();
  for (SpriteBatch *batch : m_scoreBatches)
    delete batch;
}

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

Ball *Level::ballFromStructure(const physics::Structure3D *structure) const {
  return structure == &m_ball->structure() ? m_ball : nullptr;
}

void Level::setTextures(Symbol background, Symbol interior) {
  m_backgroundName = background;
  m_interiorName = interior;
}

FloorArea &Level::addFloorArea() {
  auto *area = new FloorArea(*this, int(m_floorAreas.size()));
  m_floorAreas.append(area);
  return *area;
}

Symbol Level::groundEffects() { return SYM(L"ground"); }

Symbol Level::blockEffects() { return SYM(L"block"); }

Symbol Level::objectEffects() { return SYM(L"object"); }
