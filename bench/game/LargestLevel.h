#pragma once
// The largest of the level files the level writer makes from the project's
// data, or an empty buffer when the data cannot be planned.

#include "LevelWriter.h"

#include "file/BufferBinary.h"

#include <string>
#include <vector>

namespace gamebench {

inline file::BufferBinary largestLevelFile() {
  std::vector<levelwriter::LevelPlan> plans;
  std::vector<std::string> errors;
  file::BufferBinary largest;
  if (!levelwriter::planLevels(std::string(CORVANE_SOURCE_DIR) + "/data", plans, errors))
    return largest;
  for (const levelwriter::LevelPlan &plan : plans) {
    file::BufferBinary bytes;
    std::string error;
    if (levelwriter::levelFile(plan, bytes, error) && bytes.size() > largest.size())
      largest = std::move(bytes);
  }
  return largest;
}

} // namespace gamebench
