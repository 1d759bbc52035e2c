#include "framework/GameEngine.h"
#include "file/SaveUnderLimit.h"
#include "framework/CorvaneDatabase.h"
#include "framework/ShellTestSupport.h"
#include "quip/ScriptManager.h"
#include "support/TempFolder.h"
#include "video/RenderGroup.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace framework;
using namespace shelltest;
using testing_support::TempFolder;

namespace {

std::string contentsOf(const std::string &path) {
  std::string text;
  if (FILE *f = fopen(path.c_str(), "rb")) {
    for (int c; (c = fgetc(f)) != EOF;)
      text += char(c);
    fclose(f);
  }
  return text;
}

// The current database rooted in a fresh folder.
struct Root {
  TempFolder dir;
  Root() { Database::current()->setPath(String(dir.path().c_str())); }
};

struct Counter : video::RenderableObject {
  explicit Counter(int &updates) : updates(updates) {}
  void update(float) override { ++updates; }
  void render(video::Canvas &) override {}
  int &updates;
};

class OptionsEngine : public GameEngine {
public:
  OptionsEngine() : GameEngine(Symbol::intern(L"racer")) {}
  void writeOptions(quip::Dictionary &options) override {
    options.set(Symbol::intern(L"laps"), quip::Token(3.0f));
  }
};

} // namespace

TEST(GameEngine, NullEngineWritesItsOptionsInTheDatabaseRoot) {
  Scene scene(0, false);
  Root root;
  NullEngine engine;
  EXPECT_EQ(narrow(engine.name().toString()), "null");
  engine.activate();
  EXPECT_FALSE(engine.isActive());
  engine.loadOptions();
  std::string text = contentsOf(root.dir.path("options.!"));
  EXPECT_EQ(text.rfind("% Game options for null\n\n", 0), 0u) << text;
  EXPECT_EQ(text, "% Game options for null\n\n" +
                      narrow(quip::Token(quip::Dictionary()).toString()) + "\n");
  // A second load reads the file it wrote and leaves it alone.
  engine.loadOptions();
  EXPECT_EQ(contentsOf(root.dir.path("options.!")), text);
}

TEST(GameEngine, OptionsGoToTheEngineConfigFolder) {
  Scene scene(0, false);
  Root root;
  OptionsEngine engine;
  // No "/engineConfig" folder: the options are not saved, with a warning.
  StderrCapture log;
  engine.activate();
  std::string warning = log.finish();
  EXPECT_TRUE(engine.isActive());
  EXPECT_NE(warning.find("WARNING"), std::string::npos) << warning;
  EXPECT_NE(warning.find("Cannot save " + root.dir.path("engineConfig/options.!")),
            std::string::npos)
      << warning;

  ASSERT_EQ(mkdir(root.dir.path("engineConfig").c_str(), 0700), 0);
  engine.saveOptions();
  std::string text = contentsOf(root.dir.path("engineConfig/options.!"));
  EXPECT_EQ(text.rfind("% Game options for racer\n\n", 0), 0u) << text;
  EXPECT_NE(text.find("laps"), std::string::npos) << text;
  EXPECT_EQ(text.back(), '\n');

  engine.addPageSet(Symbol::intern(L"hud"));
  EXPECT_EQ(engine.pageSetCount(), 1u);
  engine.deactivate();
  EXPECT_EQ(engine.pageSetCount(), 0u);
  EXPECT_FALSE(engine.isActive());
}

TEST(GameEngine, PausedEngineHoldsStill) {
  Scene scene(0, false);
  GameEngine engine(Symbol::intern(L"paused"));
  EXPECT_EQ(video::RenderGroupTable::instance().table().get(engine.name()), &engine.renderGroup());
  int updates = 0;
  engine.renderGroup().addRenderable(new Counter(updates));
  engine.update(0.1f);
  EXPECT_EQ(updates, 1);
  scene.framework->setPaused(true);
  engine.update(0.1f);
  EXPECT_EQ(updates, 1);
  scene.framework->setPaused(false);
  engine.update(0.1f);
  EXPECT_EQ(updates, 2);
  engine.reset();
  EXPECT_EQ(engine.renderGroup().size(), 0u);
}

TEST(GameEngine, CurrentEngineIsDeletedWithItsGroup) {
  Scene scene(0, false);
  struct Blue : GameEngine {
    Blue() : GameEngine(Symbol::intern(L"blue")) {}
    math::Color backgroundColor() const override { return math::Color(0.0f, 0.0f, 1.0f, 1.0f); }
  };
  GameEngine::setCurrent(new Blue);
  EXPECT_EQ(narrow(GameEngine::current()->name().toString()), "blue");
  GameEngine::deleteCurrent();
  EXPECT_EQ(GameEngine::current(), nullptr);
  EXPECT_FALSE(video::RenderGroupTable::instance().table().contains(Symbol::intern(L"blue")));
}

TEST(GameEngine, OptionsCutShortKeepTheOldFile) {
  struct WordyEngine : GameEngine {
    WordyEngine() : GameEngine(Symbol::intern(L"wordy")) {}
    void writeOptions(quip::Dictionary &options) override {
      options.set(Symbol::intern(L"notes"), quip::Token(String(std::wstring(4000, L'n').c_str())));
    }
  };
  Scene scene(0, false);
  Root root;
  std::string folder = root.dir.path("engineConfig");
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  WordyEngine engine;
  testing_support::expectSaveFailsWhole(folder, folder + "/options.!", "% old options\n",
                                        [&] {
                                          engine.saveOptions();
                                          return false;
                                        },
                                        {1024, false, true});
}
