#pragma once
// A framework of the tests' own in a fresh temporary data folder, and the
// teardown of every singleton it brings up.

#include "audio/MusicPlayer.h"
#include "audio/Player.h"
#include "audio/SoundscapeManager.h"
#include "file/Database.h"
#include "framework/BetaLog.h"
#include "framework/CorvaneDatabase.h"
#include "framework/Framework.h"
#include "framework/InputState.h"
#include "gui/PageFactory.h"
#include "support/TempFolder.h"
#include "video/LayerManager.h"
#include "video/RenderGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testing_support {

class TestFramework : public Framework {
public:
  uint32_t mask = 0xffffffffu;
  bool mayFinish = true;
  int finishChecks = 0;
  std::vector<float> steps;
  std::string documents = ".";

  using Framework::performLoadStep;

  String applicationName() override { return String(L"Test"); }
  uint32_t databaseLoadMask() override { return mask; }
  bool finishLoad2() override {
    ++finishChecks;
    return mayFinish;
  }
  void update(float dt) override {
    steps.push_back(dt);
    Framework::update(dt);
  }
  String documentsPath() override { return String::fromUtf8(documents.c_str()); }
};

// Tears down what a framework and its load bring up, in a safe order.
inline void tearDownFramework() {
  Framework::destroyInstance();
  audio::MusicPlayer::destroyInstance();
  audio::SoundscapeManager::destroyInstance();
  audio::Player::destroyInstance();
  video::LayerManager::destroyInstance();
  video::RenderGroupTable::destroyInstance();
  GUI::PageFactory::destroyInstance();
  framework::InputState::destroyInstance();
  if (framework::BetaLog::exists())
    framework::BetaLog::destroy();
  Database::releaseRegistry();
}

// A test framework made current, with its database rooted in a temporary folder.
class FrameworkTest : public ::testing::Test {
protected:
  void SetUp() override {
    framework = new TestFramework;
    Framework::setInstance(framework);
    Database::current()->setPath(folder.wide());
  }
  void TearDown() override { tearDownFramework(); }

  TempFolder folder;
  TestFramework *framework = nullptr;
};

// The current database rooted in the source tree's data folder and loaded
// with the kinds of the mask (its texture file made by tools/texpack); the
// load's standard error.
inline std::string loadDataTree(uint32_t mask) {
  CorvaneDatabase *database = corvaneDatabase();
  database->setPath(String(CORVANE_SOURCE_DIR) + L"/data");
  testing::internal::CaptureStderr();
  database->loadAll(mask);
  return testing::internal::GetCapturedStderr();
}

// The texts of log lines ("<time> (<n> elapsed ticks): <text>"), in order.
inline std::vector<std::string> logTexts(const std::string &log) {
  std::vector<std::string> texts;
  size_t at = 0;
  while (at < log.size()) {
    size_t end = log.find('\n', at);
    if (end == std::string::npos)
      end = log.size();
    std::string line = log.substr(at, end - at);
    size_t mark = line.find(" elapsed ticks): ");
    if (mark != std::string::npos)
      texts.push_back(line.substr(mark + 17));
    at = end + 1;
  }
  return texts;
}

} // namespace testing_support
