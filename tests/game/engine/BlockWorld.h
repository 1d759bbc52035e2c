#pragma once
// A level in play for the ball and block tests: a framework of the tests'
// own with its database current, the audio player open on the dummy driver
// with a bank of the game's sounds, the game engine in its playing state, and
// a level whose bonus charge the test can set. Point sprites and quads drawn
// on its canvas are recorded.

#include "SoundMaker.h"
#include "SoundPacker.h"
#include "audio/Library.h"
#include "audio/Player.h"
#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/BlockGrid.h"
#include "engine/Engine.h"
#include "engine/Level.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "particle/Effect3D.h"
#include "particle/Effect3DList.h"
#include "particle/ParticleSystemFactory.h"
#include "text/TextTestSupport.h"

#include <vector>

namespace blocktest {

class TestLevel : public Level {
public:
  using Level::Level;
  void setBonus(unsigned colour, unsigned count) {
    m_bonusColor = colour;
    m_bonusCount = count;
  }
  uint32_t blockTableCount() const { return m_blockTable.count(); }
};

// One point-sprite draw.
struct Sprite {
  math::Vector2 position;
  math::PackedColor colour;
  float size;
  int blend;
  Texture *texture;
};

class SpriteCanvas : public testing_support::QuadRecordingCanvas {
public:
  std::vector<Sprite> sprites;
  void drawPoints(const float *positions, int count, int components, const uint8_t *colors,
                  const float *sizes, int, float, const float[3],
                  video::RenderPass &pass) override {
    for (int i = 0; i < count; ++i) {
      math::PackedColor c(255, 255, 255, 255);
      if (colors)
        c = math::PackedColor(colors[4 * i], colors[4 * i + 1], colors[4 * i + 2],
                              colors[4 * i + 3]);
      sprites.push_back(
          Sprite{math::Vector2(positions[components * i], positions[components * i + 1]), c,
                 sizes[0], pass.blend, pass.texture});
    }
  }
};

class BlockWorld : public testing_support::FrameworkTest {
protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    database = corvaneDatabase();
    database->particleSystemFactory().reportMissing = false;
    testing::internal::CaptureStderr();
    soundOpen = audio::Player::instance().initialize();
    container::Vector<soundpack::BankEntry> entries;
    for (const wchar_t *name : gameSounds()) {
      soundpack::SoundRecipe recipe;
      recipe.seconds = 0.2f;
      entries.push(soundpack::BankEntry{Symbol::intern(name), soundpack::makeWav(recipe)});
    }
    soundpack::writeBank(entries, folder.wide("sounds.dat"));
    database->audioLibrary().loadSoundBank(folder.wide("sounds.dat"));
    testing::internal::GetCapturedStderr();
    engine = new Engine;
    engine->setState(Engine::PLAYING);
    level = new TestLevel(engine);
  }
  void TearDown() override {
    delete level;
    delete engine;
    FrameworkTest::TearDown();
  }

  static std::vector<const wchar_t *> gameSounds() {
    return {L"stoneClack",  L"blockHit",   L"blockHit1",  L"blockHit2",     L"blockHit3",
            L"blockHit4",   L"blockHit5",  L"blockHit6",  L"blockHit7",     L"freeze",
            L"glassBreaks", L"roundBlock", L"ballAppear", L"ballDie",       L"powerUp",
            L"powerDown",   L"loseShield", L"tar",        L"teleportBegin", L"teleportEnd",
            L"shakeOffTar"};
  }

  Ball &ball() { return level->ball(); }
  BlockGrid &grid() { return level->blockGrid(); }

  // A block placed in the grid, which grows to hold it.
  Block *addBlock(unsigned kind, unsigned colour, int column, int row) {
    grid().grow(column, row, 1, 1);
    auto *block = new Block(*level, kind, colour);
    block->setCell(math::Vector2i(column, row));
    block->setPosition(math::Vector3(3.0f * float(column), 3.0f * float(row), 0.0f));
    grid().place(block, column, row);
    return block;
  }
  // The ball touches the block through the block's geometry.
  void touch(Block &block) { block.onContact(&block.geometry(), &ball().structure(), 0); }

  // Requested since the last quiet() and not yet ended.
  bool played(const wchar_t *name) {
    return audio::Player::instance().isPlayingName(Symbol::intern(name));
  }
  void quiet() {
    audio::Player::instance().update();
    audio::Player::instance().stopAll();
  }
  // The effects of a list started from the named definition.
  std::vector<const Effect3D *> effects(Symbol list, const wchar_t *name) {
    std::vector<const Effect3D *> found;
    if (const Effect3DList *effects = level->effects().list(list))
      for (uint32_t i = 0; i < effects->count(); ++i)
        if (effects->at(i)->systemName() == Symbol::intern(name))
          found.push_back(effects->at(i));
    return found;
  }
  uint32_t effectCount() {
    uint32_t n = 0;
    for (Symbol list : {Level::groundEffects(), Level::blockEffects(), Level::objectEffects()})
      n += level->effects().list(list)->count();
    return n;
  }

  CorvaneDatabase *database = nullptr;
  bool soundOpen = false;
  Engine *engine = nullptr;
  TestLevel *level = nullptr;
};

} // namespace blocktest
