#include "framework/CorvaneDatabase.h"
#include "FrameworkTestSupport.h"
#include "error/ChildProcess.h"
#include "error/Report.h"

#include <gtest/gtest.h>

TEST(CorvaneDatabase, IsItsOwnAssetDatabase) {
  auto *engine = new CorvaneDatabase(Symbol::intern(L"corvane"), L".");
  Database::registerDatabase(engine);
  Database::setCurrent(Symbol::intern(L"corvane"));
  EXPECT_EQ(Database::current(), engine);
  EXPECT_EQ(Database::current()->assetDatabase(), engine);
  EXPECT_EQ(engine->path(), String(L"."));

  Database plain(Symbol::intern(L"plain"), L"data");
  EXPECT_EQ(plain.assetDatabase(), nullptr);
  Database::releaseRegistry();
}

TEST(Report, TitleThenTextOnStandardErrorAndTheSink) {
  static std::string sunk;
  auto child = testing_support::runInChild([] {
    framework::reportTitled(SYM(L"NO SINK"), L"plain\n", false);
    framework::setReportSink([](Symbol title, const String &text) {
      container::Vector<char> a, b;
      title.toString().toUtf8(a);
      text.toUtf8(b);
      fprintf(stdout, "[%s|%s]", a.data(), b.data());
    });
    framework::reportTitled(SYM(L"WARNING"), L"100% %s done\n", false);
    framework::reportTitled(SYM(L"T\u00e9"), L"x", true);
  });
  EXPECT_EQ(child.exitStatus, 0);
  // With the dialog the text goes through the error report, which ends it with a newline.
  EXPECT_EQ(child.err, "NO SINK\nplain\nWARNING\n100% %s done\nT\xC3\xA9\nx\n");
  EXPECT_EQ(child.out, "[WARNING|100% %s done\n][T\xC3\xA9|x]");
}

namespace {

// A manager that remembers what it was asked to load.
struct RecordingManager : AssetManager {
  static std::vector<std::string> loads;
  void loadSource(const String &path) override {
    container::Vector<char> bytes;
    path.toUtf8(bytes);
    loads.push_back(bytes.data());
  }
  bool contains(Symbol) const override { return false; }
  container::Vector<Symbol> findNames(const String &) const override { return {}; }
};
std::vector<std::string> RecordingManager::loads;

class DatabaseLoad : public ::testing::Test {
protected:
  void SetUp() override {
    // A framework made by an earlier test in this process leaves its makers
    // and loaders installed; these tests start from none.
    clearWiring();
    RecordingManager::loads.clear();
    database = new CorvaneDatabase(Symbol::intern(L"loadTest"), folder.wide());
    Database::registerDatabase(database);
  }
  void TearDown() override {
    clearWiring();
    Database::releaseRegistry();
  }
  static void clearWiring() {
    for (int kind = 0; kind < CorvaneDatabase::KIND_COUNT; ++kind) {
      CorvaneDatabase::setManagerMaker(CorvaneDatabase::Kind(kind), nullptr);
      CorvaneDatabase::setKindLoader(CorvaneDatabase::Kind(kind), nullptr);
    }
  }
  std::vector<std::string> step(uint32_t mask) {
    testing::internal::CaptureStderr();
    database->loadDatabase(mask);
    return testing_support::logTexts(testing::internal::GetCapturedStderr());
  }

  testing_support::TempFolder folder;
  CorvaneDatabase *database = nullptr;
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(DatabaseLoad, ScriptKindsLoadFromTheirSourceOrCompiledFile) {
  CorvaneDatabase::setManagerMaker(CorvaneDatabase::FONTS, [](CorvaneDatabase &) -> AssetManager * {
    return new RecordingManager;
  });
  folder.write("config/billboards.!", "( )");
  folder.write("config/fonts.!.bin", "compiled");
  testing::internal::CaptureStderr();
  database->beginLoad();
  EXPECT_EQ(testing_support::logTexts(testing::internal::GetCapturedStderr()),
            Lines{"Loading database..."});
  std::string root = folder.path();
  EXPECT_EQ(step(0xffffffffu), Lines{});
  EXPECT_EQ(step(0xffffffffu), Lines{"Loaded quip: " + root + "/config/billboards.!"});
  // Only the compiled file is there; the manager still gets the source path.
  EXPECT_EQ(step(0xffffffffu), Lines{"Loaded quip: " + root + "/config/fonts.!"});
  EXPECT_EQ(RecordingManager::loads, std::vector<std::string>{root + "/config/fonts.!"});
  EXPECT_NE(database->existingManager(CorvaneDatabase::BILLBOARDS), nullptr);
  EXPECT_EQ(step(0xffffffffu), Lines{"Not loading sounds because audio player is not initialized"});
  EXPECT_EQ(database->existingManager(CorvaneDatabase::AUDIO_LIBRARY), nullptr);
  EXPECT_EQ(step(0xffffffffu), Lines{"No assets: shapes"});
  EXPECT_EQ(database->existingManager(CorvaneDatabase::SHAPES), nullptr);
  for (int i = 5; i < 10; ++i)
    step(0xffffffffu);
  EXPECT_FALSE(database->loadDone());
  // "Loaded database" goes through the loading messages switched off.
  EXPECT_EQ(step(0xffffffffu), Lines{});
  EXPECT_TRUE(database->loadDone());
  EXPECT_EQ(database->loadStep(), 10u);
  EXPECT_EQ(step(0xffffffffu), Lines{});
  EXPECT_TRUE(database->loadDone());
}

TEST_F(DatabaseLoad, MaskedStepsOnlyAdvance) {
  folder.write("config/billboards.!", "( )");
  database->beginLoad();
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(step(CorvaneDatabase::LOAD_WORLDS), Lines{}) << i;
  EXPECT_EQ(step(CorvaneDatabase::LOAD_WORLDS), Lines{"No assets: worlds"});
  EXPECT_FALSE(database->loadDone());
  EXPECT_EQ(step(CorvaneDatabase::LOAD_WORLDS), Lines{});
  EXPECT_TRUE(database->loadDone());
  EXPECT_EQ(database->existingManager(CorvaneDatabase::BILLBOARDS), nullptr);
}

TEST_F(DatabaseLoad, UnloadDeletesTheManagersOfTheMask) {
  AssetManager *sounds = &database->manager(CorvaneDatabase::AUDIO_LIBRARY);
  database->manager(CorvaneDatabase::MESHES);
  database->manager(CorvaneDatabase::FONTS);
  database->unload(CorvaneDatabase::LOAD_SOUNDS | CorvaneDatabase::LOAD_ALL);
  EXPECT_EQ(database->existingManager(CorvaneDatabase::AUDIO_LIBRARY), nullptr);
  EXPECT_EQ(database->existingManager(CorvaneDatabase::FONTS), nullptr);
  // The meshes have no load step and stay.
  EXPECT_NE(database->existingManager(CorvaneDatabase::MESHES), nullptr);
  (void)sounds;
  EXPECT_NE(&database->manager(CorvaneDatabase::AUDIO_LIBRARY), nullptr);
}

// The settings are read when the load begins, before the skeletons need them.
TEST_F(DatabaseLoad, BeginningALoadReadsTheSettingsFile) {
  testing::internal::CaptureStderr();
  database->beginLoad();
  EXPECT_FALSE(database->loadMonolithicSkeletonFile());
  folder.write("database.!", "( loadMonolithicSkeletonFile: 1 )");
  database->beginLoad();
  EXPECT_TRUE(database->loadMonolithicSkeletonFile());
  folder.write("database.!", "( other: 1 )");
  database->beginLoad();
  // A file without the key leaves the flag alone, and beginLoad never clears it.
  EXPECT_TRUE(database->loadMonolithicSkeletonFile());
  folder.write("database.!", "( loadMonolithicSkeletonFile: 'false' )");
  database->beginLoad();
  EXPECT_FALSE(database->loadMonolithicSkeletonFile());
  // Not a dictionary: nothing changes.
  folder.write("database.!", "1");
  database->beginLoad();
  EXPECT_FALSE(database->loadMonolithicSkeletonFile());
  testing::internal::GetCapturedStderr();
}
