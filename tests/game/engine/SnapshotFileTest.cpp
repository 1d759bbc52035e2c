// The saved game through the game's own application in a temporary
// documents folder: a game left in play resumes paused at the next start,
// a game left without a level resumes without one, and a file that is old,
// empty, cut short or names what does not exist changes nothing.

#include "FolderTumblix.h"
#include "LevelWriter.h"
#include "SixBlockRoom.h"
#include "TestPages.h"
#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/Engine.h"
#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "framework/GameEngine.h"
#include "framework/LocationDelegate.h"
#include "game/LevelFileBytes.h"
#include "gui/GameFrontEnd.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "particle/ParticleSystemFactory.h"
#include "scores/UserProfile.h"
#include "screen/ScreenRegistry.h"
#include "support/GLFixture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr float frame = 1.0f / 30.0f;

// The application, keeping the loading messages it shows.
class MessageTumblix : public FolderTumblix {
public:
  using FolderTumblix::FolderTumblix;
  void log(const String &text, bool enabled) override {
    container::Vector<char> utf8;
    text.toUtf8(utf8);
    messages.push_back(utf8.data());
    FolderTumblix::log(text, enabled);
  }
  std::vector<std::string> messages;
};

// The room of six blocks, as a level file.
std::string levelBytes() {
  file::BufferBinary bytes;
  std::string error;
  EXPECT_TRUE(levelwriter::levelFile(gametest::roomWithSixBlocks(), bytes, error)) << error;
  return gametest::bytesOf(bytes);
}

class SnapshotFile : public testing::Test {
protected:
  void SetUp() override {
    gltest::canvas();
    FrontEnd::install(&frontEnd);
    folder.write("engineConfig/level00_0.bin", levelBytes());
  }
  void TearDown() override { shutDown(); }

  // A profile on file that has the first two levels open.
  void saveProfile() {
    UserProfile &profile = UserProfile::instance();
    profile.m_levelsUnlocked = 2;
    profile.save();
    UserProfile::destroy();
  }

  // The application through its start-up to its first screen.
  void startUp() {
    app = new MessageTumblix(folder);
    Database::current()->setPath(folder.wide());
    corvaneDatabase()->particleSystemFactory().reportMissing = false;
    app->createLayers();
    testing::internal::CaptureStderr();
    while (!app->finishLoad2())
      app->finishLoad1();
    gametest::addPage(L"pause");
    app->finishLoad3();
    log = testing::internal::GetCapturedStderr();
  }

  // The intro leads to play; the level runs past its own intro.
  Level *play() {
    screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
    testing::internal::CaptureStderr();
    screens.update(frame);
    for (int i = 0; i < 95; ++i)
      Engine::instance()->update(frame);
    testing::internal::GetCapturedStderr();
    Level *level = Engine::instance()->level();
    EXPECT_NE(level, nullptr);
    if (level) {
      EXPECT_EQ(level->state(), Level::PLAYING);
    }
    return level;
  }

  // The end of a running game, then everything the next start makes anew.
  void endRun() {
    app->setState(FRAMEWORK_RUNNING);
    testing::internal::CaptureStderr();
    app->end();
    log = testing::internal::GetCapturedStderr();
    shutDown();
  }

  void shutDown() {
    if (!app)
      return;
    framework::GameEngine::deleteCurrent();
    gametest::tearDownGame();
    app = nullptr;
  }

  std::string snapshotBytes() {
    file::BufferBinary bytes;
    app->writeSnapshot(bytes);
    return gametest::bytesOf(bytes);
  }

  bool read(const std::string &bytes) {
    file::BufferBinary in;
    gametest::fill(in, bytes);
    return app->readSnapshot(in);
  }

  bool shown(const wchar_t *page) {
    GUI::Page *found = GUI::PageFactory::page(Symbol::intern(page));
    return found && (found->state() == GUI::Page::ENTER || found->state() == GUI::Page::ACTIVE);
  }

  bool saidLast(const char *message) {
    return !app->messages.empty() && app->messages.back() == message;
  }

  testing_support::TempFolder folder;
  GameFrontEnd frontEnd;
  MessageTumblix *app = nullptr;
  std::string log;
};

} // namespace

TEST_F(SnapshotFile, AGameLeftInPlayResumesPausedAtTheNextStart) {
  saveProfile();
  startUp();
  EXPECT_TRUE(saidLast("No snapshot"));
  Level *level = play();
  ASSERT_NE(level, nullptr);
  const uint32_t score = level->score();
  const math::Vector3 ball = level->ball().atomPosition();
  EXPECT_FALSE(shown(L"pause"));
  endRun();
  ASSERT_TRUE(folder.exists("snapshot.bin"));
  ASSERT_TRUE(folder.exists("user.bin"));

  startUp();
  EXPECT_TRUE(saidLast("Loaded snapshot"));
  screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
  EXPECT_EQ(screens.currentScreenName(), SYM(L"game"));
  Engine *engine = Engine::instance();
  ASSERT_NE(engine, nullptr);
  EXPECT_EQ(engine->state(), uint32_t(Engine::PLAYING));
  ASSERT_NE(engine->level(), nullptr);
  EXPECT_EQ(engine->level()->state(), Level::PLAYING);
  EXPECT_EQ(engine->level()->score(), score);
  EXPECT_EQ(engine->level()->ball().atomPosition(), ball);
  EXPECT_EQ(engine->level()->blockGrid().colouredCount(), 6u);
  EXPECT_FALSE(engine->levelFileLoaded());
  EXPECT_TRUE(shown(L"game"));
  EXPECT_TRUE(shown(L"pause"));
  // The file stays; the next end writes it again.
  EXPECT_TRUE(folder.exists("snapshot.bin"));
}

TEST_F(SnapshotFile, AGameLeftWithoutALevelResumesWithoutOne) {
  saveProfile();
  startUp();
  ASSERT_NE(Engine::instance(), nullptr);
  EXPECT_EQ(Engine::instance()->level(), nullptr);
  endRun();

  startUp();
  EXPECT_TRUE(saidLast("Loaded snapshot"));
  Engine *engine = Engine::instance();
  EXPECT_EQ(engine->level(), nullptr);
  EXPECT_EQ(engine->state(), uint32_t(Engine::IDLE));
  EXPECT_FALSE(shown(L"pause"));
  // The level file is read again when a level starts.
  EXPECT_FALSE(engine->levelFileLoaded());
  testing::internal::CaptureStderr();
  engine->startLevel();
  testing::internal::GetCapturedStderr();
  EXPECT_TRUE(engine->levelFileLoaded());
  EXPECT_NE(engine->level(), nullptr);
}

TEST_F(SnapshotFile, NoSnapshotIsReadForAPlayerWhoseProfileDidNotLoad) {
  saveProfile();
  startUp();
  play();
  endRun();
  ASSERT_TRUE(folder.exists("snapshot.bin"));
  std::filesystem::remove(folder.path("user.bin"));
  startUp();
  EXPECT_TRUE(saidLast("No snapshot"));
  EXPECT_EQ(screen::ScreenRegistry::instance().currentScreenName(), SYM(L"homeIntro"));
  EXPECT_EQ(Engine::instance()->level(), nullptr);
}

TEST_F(SnapshotFile, AFolderThatTakesNoFileStillKeepsTheProfile) {
  saveProfile();
  startUp();
  play();
  // A folder in the file's place: the snapshot cannot be written.
  ASSERT_EQ(mkdir(folder.path("snapshot.bin").c_str(), 0700), 0);
  std::filesystem::remove(folder.path("user.bin"));
  endRun();
  EXPECT_NE(log.find("Snapshot not written"), std::string::npos) << log;
  EXPECT_TRUE(folder.exists("user.bin"));
  startUp();
  EXPECT_TRUE(saidLast("No snapshot"));
  EXPECT_TRUE(UserProfile::instance().isLoaded());
}

TEST_F(SnapshotFile, AFileThatIsOldEmptyCutShortOrNamesWhatDoesNotExistChangesNothing) {
  saveProfile();
  startUp();
  Level *level = play();
  ASSERT_NE(level, nullptr);
  const std::string valid = snapshotBytes();
  screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
  Engine *engine = Engine::instance();

  // The version and the screen's name lead the file; the game page's record
  // is the last.
  std::string oldVersion = valid;
  oldVersion[0] = 2;
  std::string unknownScreen = valid;
  const std::string game("\x01game", 5);
  unknownScreen.replace(unknownScreen.find(game), game.size(), std::string("\x01gane", 5));
  std::string unknownPage = valid;
  const size_t pageName = unknownPage.rfind(game);
  ASSERT_GT(pageName, unknownScreen.find(std::string("\x01gane", 5)));
  unknownPage.replace(pageName, game.size(), std::string("\x01gane", 5));
  std::string badWidth = valid;
  badWidth[4] = 7;
  // After the version and "game": the engine's state, its time, its mode.
  std::string idleless = valid;
  idleless[10] = 3;
  std::string modeless = valid;
  modeless[15] = 7;
  struct Case {
    const char *what;
    std::string bytes;
  };
  std::vector<Case> cases = {{"version 2", oldVersion},
                             {"empty", std::string()},
                             {"unknown screen", unknownScreen},
                             {"unknown page", unknownPage},
                             {"unknown name width", badWidth},
                             {"engine state 3", idleless},
                             {"mode 7", modeless}};
  for (size_t cut = 1; cut < valid.size(); ++cut)
    cases.push_back({"prefix", valid.substr(0, cut)});

  testing::internal::CaptureStderr();
  // A page record that fails leaves every page inactive, as a fresh start.
  EXPECT_FALSE(read(unknownPage));
  EXPECT_FALSE(shown(L"game"));
  for (const Case &c : cases) {
    EXPECT_FALSE(read(c.bytes)) << c.what << " " << c.bytes.size();
    EXPECT_EQ(screens.currentScreenName(), SYM(L"game")) << c.what;
    EXPECT_EQ(engine->level(), level) << c.what;
    EXPECT_EQ(engine->state(), uint32_t(Engine::PLAYING)) << c.what;
    EXPECT_FALSE(shown(L"pause")) << c.what;
  }
  testing::internal::GetCapturedStderr();

  // The whole file reads.
  EXPECT_TRUE(read(valid));
  EXPECT_NE(engine->level(), level);
  EXPECT_TRUE(shown(L"game"));
  EXPECT_TRUE(shown(L"pause"));
}
