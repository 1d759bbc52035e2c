#include "QuipTestSupport.h"

#include "file/Database.h"
#include "quip/ScriptFrame.h"
#include "quip/ScriptManagerRegistry.h"

using namespace quip;

namespace {

std::string g_fired;

class ScriptFrameTest : public testing::Test {
protected:
  ScriptFrameTest() {
    database = new Database(Symbol::intern(L"frameTest"), String(L"."));
    Database::registerDatabase(database);
    previous = Database::currentName();
    Database::setCurrent(database->name());
    framework = new ScriptManager(database->scriptManagers(), Symbol::intern(L"framework"));
    registerBuiltin(framework->builtins(), L"fired", [](Interpreter *i, int *) {
      g_fired += quiptest::utf8(i->pop().toString()) + " ";
    });
    g_fired.clear();
  }
  ~ScriptFrameTest() override {
    delete framework;
    Database::setCurrent(previous);
    Database::unregisterDatabase(database);
    delete database;
  }

  // Frames at 0, 1 and 2 seconds, each reporting its time.
  void build(ScriptFrameTrack &track, bool loop) {
    Array frames = translate(String(L"( type: scriptFrame: time: 0 code: { 0 fired } ) "
                                    L"( type: scriptFrame: time: 1 code: { 1 fired } ) "
                                    L"( type: finalScriptFrame: time: 2 code: { 2 fired } )"),
                             String(L"t"));
    // The dictionaries are built by running the text.
    Interpreter *maker = framework->spawn(frames);
    maker->run(0, 0);
    Array list(0);
    for (uint32_t i = 0; i < maker->stackSize(); ++i)
      list.append(maker->operands()[i]);
    Dictionary settings;
    settings.set(Symbol::intern(L"frames"), Token(list, false));
    if (loop)
      settings.set(Symbol::intern(L"loop"), boolToken(true));
    track.read(settings);
    framework->update(20, 0);
  }

  Database *database;
  Symbol previous;
  ScriptManager *framework;
};

TEST_F(ScriptFrameTest, FiresTheFramesCrossed) {
  ScriptFrameTrack track;
  build(track, false);
  ASSERT_EQ(track.frameCount(), 3u);
  EXPECT_EQ(track.length(), 2.0f);
  track.fire(0.5f, 1.5f);
  EXPECT_EQ(g_fired, "1 ");
  g_fired.clear();
  track.fire(0, 0);
  EXPECT_EQ(g_fired, "");
  track.fire(1.5f, 0.5f);
  EXPECT_EQ(g_fired, "0 2 ");
  EXPECT_EQ(framework->size(), 3u);
  framework->update(20, 0);
  EXPECT_EQ(framework->size(), 0u);
}

TEST_F(ScriptFrameTest, LoopingWrapsBothTimes) {
  ScriptFrameTrack track;
  build(track, true);
  EXPECT_TRUE(track.loops());
  track.fire(1.5f, 2.5f);
  EXPECT_EQ(g_fired, "0 2 ");
  g_fired.clear();
  track.fire(4.5f, 5.5f);
  EXPECT_EQ(g_fired, "1 ");
}

TEST_F(ScriptFrameTest, SaveAndFramesWithoutCode) {
  ScriptFrameTrack track;
  ScriptFrame *empty = new FinalScriptFrame;
  empty->setTime(3);
  track.append(empty);
  track.fire(0, 5);
  EXPECT_EQ(framework->size(), 0u);
  Dictionary saved;
  track.save(saved);
  EXPECT_EQ(quiptest::utf8(Token(saved).toSortedString()),
            "(frames: [(time: 3 type: 'finalScriptFrame')])");
  track.setLoop(true);
  Dictionary looped;
  track.save(looped);
  EXPECT_EQ(*looped.lookup(Symbol::intern(L"loop")), Token(trueSymbol(), false));

  // Unknown frame types and missing managers are skipped.
  Dictionary odd;
  Array frames(0);
  Dictionary unknown;
  unknown.set(Symbol::intern(L"type"), Token(Symbol::intern(L"bogus"), false));
  frames.append(Token(unknown));
  frames.append(Token(3.0f));
  odd.set(Symbol::intern(L"frames"), Token(frames, false));
  ScriptFrameTrack skipped;
  skipped.read(odd);
  EXPECT_EQ(skipped.frameCount(), 0u);
}

TEST_F(ScriptFrameTest, NoFrameworkManagerNoFiring) {
  ScriptFrameTrack track;
  build(track, false);
  delete framework;
  framework = new ScriptManager(Symbol::intern(L"unregistered"));
  track.fire(0, 3);
  EXPECT_EQ(g_fired, "");
}

} // namespace
