#pragma once
// A room of 5 x 15 cells with the ball at its foot and six blue blocks in a
// line ahead of it: tilted forwards, the ball breaks them one by one.

#include "LevelWriter.h"
#include "engine/Block.h"

namespace gametest {

inline levelwriter::LevelPlan roomWithSixBlocks() {
  levelwriter::LevelPlan plan;
  plan.name = "play";
  plan.parTime = 60;
  plan.ballColumn = 0;
  plan.ballRow = 0;
  levelwriter::Room room;
  room.area = levelwriter::CellRect{-2, -2, 2, 12};
  plan.rooms.push_back(room);
  for (int32_t row = 3; row < 9; ++row)
    plan.blocks.push_back(levelwriter::PlacedBlock{Block::NORMAL, 0, 0, row});
  return plan;
}

} // namespace gametest
