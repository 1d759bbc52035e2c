#include "LevelBuild.h"

#include "WallRecords.h"

#include "engine/Block.h"
#include "engine/BlockGrid.h"
#include "engine/Chomp.h"
#include "engine/Coin.h"
#include "engine/Door.h"
#include "engine/Fire.h"
#include "engine/FloorArea.h"
#include "engine/Gate.h"
#include "engine/Lava.h"
#include "engine/Level.h"
#include "engine/MoneyBug.h"
#include "engine/Secret.h"
#include "engine/Switch.h"
#include "engine/TarBall.h"
#include "engine/Tube.h"
#include "engine/Worm.h"
#include "xstring/String.h"

namespace levelwriter {

namespace {

Symbol symbolOf(const std::string &name) {
  return Symbol::intern(String::fromUtf8(name.c_str()).c_str());
}

// Every lattice point of the rectangle, and two triangles, counter-clockwise,
// for each of its floor cells.
void writeFloor(const Room &room, FloorArea &area) {
  const CellRect &r = room.area;
  const uint32_t across = uint32_t(r.columns()) + 1;
  container::Vector<math::Vector2i> points;
  for (int32_t y = r.bottom; y <= r.top + 1; ++y)
    for (int32_t x = r.left; x <= r.right + 1; ++x)
      points.push(math::Vector2i(x, y));
  container::Vector<uint32_t> indices;
  for (int32_t y = r.bottom; y <= r.top; ++y)
    for (int32_t x = r.left; x <= r.right; ++x) {
      if (!room.isFloor(x, y))
        continue;
      const uint32_t a = uint32_t(y - r.bottom) * across + uint32_t(x - r.left);
      const uint32_t b = a + 1, c = a + across + 1, d = a + across;
      for (uint32_t index : {a, b, c, a, c, d})
        indices.push(index);
    }
  area.setFloor(points, indices);
}

// The pool's outline round the cells' outer corners, counter-clockwise, in
// two triangles.
Lava *makeLava(Level &level, const CellRect &cells) {
  const math::Vector3 low = Level::cellCentre(math::Vector2i(cells.left, cells.bottom));
  const math::Vector3 high = Level::cellCentre(math::Vector2i(cells.right, cells.top));
  const float half = 0.5f * Level::cellSize;
  math::Points2D outline;
  outline.push(math::Vector2(low.x - half, low.y - half));
  outline.push(math::Vector2(high.x + half, low.y - half));
  outline.push(math::Vector2(high.x + half, high.y + half));
  outline.push(math::Vector2(low.x - half, high.y + half));
  container::Vector<uint16_t> triangles;
  for (uint16_t index : {0, 1, 2, 0, 2, 3})
    triangles.push(index);
  auto *lava = new Lava(level);
  lava->setOutline(outline, triangles);
  lava->recomputeBounds();
  return lava;
}

// Chomps, fires and money bugs, each at cell centres.
void addHazards(const LevelPlan &plan, Level &level) {
  for (const auto &[column, row] : plan.chomps) {
    auto *chomp = new Chomp(level);
    chomp->setCell(math::Vector2i(column, row));
    level.addChomp(chomp);
  }
  for (const PlannedFire &planned : plan.fires) {
    auto *fire = new Fire(level);
    fire->setSpokes(Level::cellCentre(math::Vector2i(planned.column, planned.row)), planned.speed,
                    planned.length, planned.phase, planned.spokes);
    level.addFire(fire);
  }
  for (const PlannedBug &planned : plan.moneyBugs) {
    container::Vector<math::Vector2> path;
    for (const auto &[column, row] : planned.path) {
      const math::Vector3 at = Level::cellCentre(math::Vector2i(column, row));
      path.push(math::Vector2(at.x, at.y));
    }
    auto *bug = new MoneyBug(level);
    bug->setPath(path, planned.closed);
    level.addMoneyBug(bug);
  }
}

// The corners of the cells' outline, its long sides from c0 to c2 and c1
// to c3.
Secret *makeSecret(Level &level, const CellRect &cells) {
  const math::Vector2i low(cells.left, cells.bottom), high(cells.right + 1, cells.top + 1);
  auto *secret = new Secret(level);
  if (cells.columns() >= cells.rows())
    secret->setCorners(low, math::Vector2i(low.x, high.y), math::Vector2i(high.x, low.y), high);
  else
    secret->setCorners(low, math::Vector2i(high.x, low.y), math::Vector2i(low.x, high.y), high);
  return secret;
}

Tube *makeTube(Level &level, const std::vector<std::pair<int32_t, int32_t>> &path) {
  container::Vector<math::Vector2> points;
  for (const auto &[column, row] : path) {
    const math::Vector3 p = Level::cellCentre(math::Vector2i(column, row));
    points.push(math::Vector2(p.x, p.y));
  }
  auto *tube = new Tube(level);
  tube->setPoints(points);
  return tube;
}

} // namespace

std::string buildLevel(const LevelPlan &plan, Level &level) {
  level.setTextures(symbolOf(plan.background), symbolOf(plan.interior));
  level.setParTime(plan.parTime);
  level.setCameraMargins(math::Vector2(plan.marginX, plan.marginY));
  const math::Vector3 start = Level::cellCentre(math::Vector2i(plan.ballColumn, plan.ballRow));
  level.setBallStart(math::Vector2(start.x, start.y));

  for (const Room &room : plan.rooms) {
    const uint64_t points = uint64_t(room.area.columns() + 1) * uint64_t(room.area.rows() + 1);
    if (points > FloorArea::maxPoints)
      return "a room of " + std::to_string(room.area.columns()) + " x " +
             std::to_string(room.area.rows()) + " cells is larger than a floor holds";
  }
  // The grid spans the rooms.
  const CellRect cells = plan.bounds();
  BlockGrid &grid = level.blockGrid();
  if (!grid.grow(cells.left, cells.bottom, cells.columns(), cells.rows()))
    return "the rooms span more cells than a level holds";
  for (const PlacedBlock &placed : plan.blocks) {
    if (!grid.contains(placed.column, placed.row) || grid.occupied(placed.column, placed.row))
      return "a block off the rooms or on another at (" + std::to_string(placed.column) + ", " +
             std::to_string(placed.row) + ")";
    auto *block = new Block(level, placed.kind, placed.colour);
    const math::Vector2i cell(placed.column, placed.row);
    block->setCell(cell);
    block->setPosition(Level::cellCentre(cell));
    grid.place(block, placed.column, placed.row);
  }

  for (const auto &[column, row] : plan.coins) {
    auto *coin = new Coin(level);
    coin->setCell(math::Vector2i(column, row));
    level.addCoin(coin);
  }

  for (const Room &room : plan.rooms) {
    FloorArea &area = level.addFloorArea();
    writeRoomWalls(room.area, area.outline());
    for (const CellRect &island : room.islands)
      writeIslandWalls(island, area.addFurtherWall());
    writeFloor(room, area);
  }
  for (const CellRect &pool : plan.lavas)
    level.addLava(makeLava(level, pool));
  addHazards(plan, level);
  for (const LevelPlan::Door &planned : plan.doors) {
    auto *door = new Door(level);
    door->setStartsClosed(planned.closed);
    door->setEndA(Level::cellCentre(math::Vector2i(planned.fromColumn, planned.fromRow)));
    door->setEndB(Level::cellCentre(math::Vector2i(planned.toColumn, planned.toRow)));
    door->reset();
    level.addDoor(door);
  }
  for (const auto &[column, row] : plan.switches) {
    auto *pad = new Switch(level);
    pad->setCell(math::Vector2i(column, row));
    level.addSwitch(pad);
  }
  for (const LevelPlan::Gate &planned : plan.gates) {
    auto *gate = new Gate(level);
    gate->setEnds(Level::cellCentre(math::Vector2i(planned.fromColumn, planned.fromRow)),
                  Level::cellCentre(math::Vector2i(planned.toColumn, planned.toRow)));
    gate->setPhase(planned.phase);
    for (uint32_t i = 0; i < Gate::stateCount; ++i)
      gate->setDuration(i, planned.durations[i]);
    gate->startAtPhase();
    level.addGate(gate);
  }
  // Worms and tar balls stand on floor; a tar takes the floor area of its
  // cell, so the floor areas come first.
  for (const PlacedWorm &placed : plan.worms) {
    if (plan.roomAt(placed.column, placed.row) < 0)
      return "a worm off the floor at (" + std::to_string(placed.column) + ", " +
             std::to_string(placed.row) + ")";
    level.addWorm(new Worm(level))
        ->setup(Level::cellCentre(math::Vector2i(placed.column, placed.row)), placed.angle,
                placed.segments, placed.extended);
  }
  for (const PlacedTar &placed : plan.tarBalls) {
    if (plan.roomAt(placed.column, placed.row) < 0)
      return "a tar ball off the floor at (" + std::to_string(placed.column) + ", " +
             std::to_string(placed.row) + ")";
    auto *tar = new TarBall(level);
    level.addTarBall(tar);
    tar->place(math::Vector2i(placed.column, placed.row), placed.atoms);
  }
  for (const CellRect &area : plan.secrets)
    level.addSecret(makeSecret(level, area));
  for (const auto &path : plan.tubes)
    level.addTube(makeTube(level, path));
  return std::string();
}

} // namespace levelwriter
