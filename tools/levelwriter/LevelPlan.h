#pragma once
// A level as its description gives it, in cells: rectangular rooms with
// rectangular islands, the blocks on their floor, the ball's start and the
// level's values. The builder makes a Level of it; the checks judge it.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace levelwriter {

// Cells from (left, bottom) to (right, top), both inclusive.
struct CellRect {
  int32_t left = 0, bottom = 0, right = 0, top = 0;

  bool contains(int32_t column, int32_t row) const {
    return column >= left && column <= right && row >= bottom && row <= top;
  }
  int32_t columns() const { return right - left + 1; }
  int32_t rows() const { return top - bottom + 1; }
};

// One floor area: its floor is the rectangle without its islands.
struct Room {
  CellRect area;
  std::vector<CellRect> islands;

  bool isFloor(int32_t column, int32_t row) const;
};

// A block at its cell; a bonus block at the lower left of its 2 x 2 cells.
struct PlacedBlock {
  unsigned kind = 0;
  unsigned colour = 0;
  int32_t column = 0, row = 0;
};

// A fire's wheel at a cell's centre.
struct PlannedFire {
  int32_t column = 0, row = 0;
  float speed = 180.0f, length = 9.0f, phase = 0.0f;
  uint32_t spokes = 1;
};

// A money bug's path through cell centres, a loop when closed.
struct PlannedBug {
  bool closed = false;
  std::vector<std::pair<int32_t, int32_t>> path;
};

// A worm in its hole: the neck's angle in degrees, clockwise from up.
struct PlacedWorm {
  int32_t column = 0, row = 0;
  float angle = 0.0f;
  uint32_t segments = 0;
  bool extended = false;
};

// A tar ball on its cell.
struct PlacedTar {
  int32_t column = 0, row = 0;
  uint32_t atoms = 1;
};

struct LevelPlan {
  std::string name;
  std::string background = "backgroundBlack";
  std::string interior = "interiorBlack";
  uint32_t parTime = 99;
  float marginX = 100.0f, marginY = 100.0f;
  int32_t ballColumn = 0, ballRow = 0;
  std::vector<Room> rooms;
  std::vector<PlacedBlock> blocks;
  // Coins, each in a cell of floor.
  std::vector<std::pair<int32_t, int32_t>> coins;
  // Lava pools, each a rectangle of cells.
  std::vector<CellRect> lavas;
  // Chomps, each at its cell; fires; money bugs.
  std::vector<std::pair<int32_t, int32_t>> chomps;
  std::vector<PlannedFire> fires;
  std::vector<PlannedBug> moneyBugs;
  // Doors from one cell's centre to another's, and the switches that
  // toggle them.
  struct Door {
    int32_t fromColumn = 0, fromRow = 0, toColumn = 0, toRow = 0;
    bool closed = true;
  };
  std::vector<Door> doors;
  std::vector<std::pair<int32_t, int32_t>> switches;
  // Gates from one cell's centre to another's, with their cycle.
  struct Gate {
    int32_t fromColumn = 0, fromRow = 0, toColumn = 0, toRow = 0;
    float phase = 0.0f;
    float durations[4] = {2.0f, 1.0f, 1.0f, 0.1f};
  };
  std::vector<Gate> gates;
  std::vector<PlacedWorm> worms;
  std::vector<PlacedTar> tarBalls;
  // Secret areas, each a rectangle of cells under the background.
  std::vector<CellRect> secrets;
  // Tubes, each a path through cell centres: the mouth at the second
  // point, the exit at the last but one.
  std::vector<std::vector<std::pair<int32_t, int32_t>>> tubes;

  // The index of the room whose floor holds the cell, else -1.
  int roomAt(int32_t column, int32_t row) const;
  // The block covering the cell (a bonus block covers four), else null.
  const PlacedBlock *blockAt(int32_t column, int32_t row) const;
  // The cells of every room; all zero without rooms.
  CellRect bounds() const;
};

// Blocks of a colour that the player must break: normal and bonus blocks.
bool isColoured(const PlacedBlock &block);

} // namespace levelwriter
