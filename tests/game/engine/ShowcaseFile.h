#pragma once
// A showcase level of the project's data, planned and written as the level
// writer makes it, ready to be loaded by a test.

#include "LevelWriter.h"

#include "file/BufferBinary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace leveltest {

inline testing::AssertionResult writeShowcase(const std::string &name, file::BufferBinary &out) {
  std::vector<levelwriter::LevelPlan> plans;
  std::vector<std::string> errors;
  if (!levelwriter::planShowcases(std::string(CORVANE_SOURCE_DIR) + "/data", plans, errors))
    return testing::AssertionFailure() << (errors.empty() ? name : errors[0]);
  for (const levelwriter::LevelPlan &plan : plans)
    if (plan.name == name) {
      std::string error;
      if (!levelwriter::levelFile(plan, out, error))
        return testing::AssertionFailure() << name << ": " << error;
      out.seek(0);
      return testing::AssertionSuccess();
    }
  return testing::AssertionFailure() << "no showcase " << name;
}

} // namespace leveltest
