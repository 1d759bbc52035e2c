#pragma once
// A level in play for the ball and block tests: a framework of the tests'
// own with its database current, the audio player open on the dummy driver
// with a bank of the game's sounds, the game engine in its playing state, and
// a level whose bonus charge the test can set. Point sprites and quads drawn
// on its canvas are recorded.

#include "LevelTestSupport.h"
#include "engine/Engine.h"
#include "framework/FrameworkTestSupport.h"
#include "particle/Effect3D.h"
#include "particle/Effect3DList.h"
#include "particle/ParticleSystemFactory.h"

#include <vector>

namespace blocktest {

class BlockWorld : public testing_support::FrameworkTest {
protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    database = corvaneDatabase();
    database->particleSystemFactory().reportMissing = false;
    soundOpen = openGameSounds(*database, folder);
    engine = new Engine;
    engine->setState(Engine::PLAYING);
    level = new TestLevel(engine);
  }
  void TearDown() override {
    delete level;
    delete engine;
    FrameworkTest::TearDown();
  }

  Ball &ball() { return level->ball(); }
  BlockGrid &grid() { return level->blockGrid(); }

  // A block placed in the grid, which grows to hold it.
  Block *addBlock(unsigned kind, unsigned colour, int column, int row) {
    return placeBlock(*level, kind, colour, column, row);
  }
  // The ball touches the block through the block's geometry.
  void touch(Block &block) { block.onContact(&block.geometry(), &ball().structure(), 0); }

  bool played(const wchar_t *name) { return blocktest::played(name); }
  void quiet() { blocktest::quiet(); }
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
