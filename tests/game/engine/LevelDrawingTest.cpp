#include "BlockWorld.h"

#include "engine/Chunk.h"
#include "texture/TextureManager.h"

#include <gtest/gtest.h>

#include <set>

using blocktest::BlockWorld;
using blocktest::SpriteCanvas;

namespace {

class LevelDrawingTest : public BlockWorld {
protected:
  void drawPasses(SpriteCanvas &canvas) {
    level->renderGround(canvas);
    level->renderBlocks(canvas);
    level->renderObjects(canvas);
  }
  // The sprites drawn with the texture of that name.
  std::vector<blocktest::Sprite> drawnWith(const SpriteCanvas &canvas, const wchar_t *name) {
    Texture *texture = TextureManager::of(*database)->getTexture(Symbol::intern(name));
    std::vector<blocktest::Sprite> found;
    for (const blocktest::Sprite &sprite : canvas.sprites)
      if (sprite.texture == texture)
        found.push_back(sprite);
    return found;
  }
};

} // namespace

TEST_F(LevelDrawingTest, OneCallPerTextureUsedAndEveryBatchEmptiedAfter) {
  // Cells 0 to 4 in view.
  level->setVisible(math::Vector3(0.0f, 0.0f, 0.0f), math::Vector3(12.0f, 12.0f, 0.0f));
  for (int c = 0; c < 4; ++c)
    for (int r = 0; r < 4; ++r)
      addBlock(Block::NORMAL, unsigned(c + r) % 3, c, r);
  addBlock(Block::STONE, COLOR_NONE, 4, 0);
  addBlock(Block::ROUND, COLOR_NONE, 4, 1);
  addBlock(Block::NORMAL, 0, 4, 2)->freeze(false);
  level->addSplat(math::Vector3(1.0f, 1.0f, 0.0f), 2);
  for (int i = 0; i < 3; ++i) {
    auto *chunk = new ChunkNormal(*level);
    chunk->setPosition(math::Vector3(float(i), 2.0f, 0.0f));
    level->addChunkNormal(chunk);
    auto *piece = new ChunkExplosion(*level, Block::NORMAL, 1);
    piece->setPosition(math::Vector3(float(i), 5.0f, 0.0f));
    level->addChunkExplosion(piece);
  }

  for (int frame = 0; frame < 2; ++frame) {
    SCOPED_TRACE(frame);
    SpriteCanvas canvas;
    drawPasses(canvas);
    std::set<Texture *> used(canvas.pointCalls.begin(), canvas.pointCalls.end());
    // Blocks (three colours, stone, round), ice, one splash, sparkles, and
    // the explosion pieces in the second block pass.
    EXPECT_EQ(used.size(), 8u);
    EXPECT_EQ(canvas.pointCalls.size(), 9u);
    // The frozen block shows under its ice.
    EXPECT_EQ(drawnWith(canvas, L"blockBlueSingle").size(), 6u + 1u);
    EXPECT_EQ(drawnWith(canvas, L"blockGreenSingle").size(), 5u + 3u);
    EXPECT_EQ(drawnWith(canvas, L"blockStone").size(), 1u);
    EXPECT_EQ(drawnWith(canvas, L"iceCube").size(), 1u);
    EXPECT_EQ(drawnWith(canvas, L"sparkle").size(), 3u);
  }
}

TEST_F(LevelDrawingTest, NoCoinBatchWithoutCoins) {
  level->setVisible(math::Vector3(-30.0f, -30.0f, 0.0f), math::Vector3(30.0f, 30.0f, 0.0f));
  addBlock(Block::NORMAL, 0, 0, 0);
  SpriteCanvas canvas;
  drawPasses(canvas);
  EXPECT_TRUE(drawnWith(canvas, L"coin").empty());
  Texture *coin = TextureManager::of(*database)->getTexture(SYM(L"coin"));
  for (Texture *texture : canvas.pointCalls)
    EXPECT_NE(texture, coin);
}

TEST_F(LevelDrawingTest, BlocksOfTheVisibleCellsAndOneMoreOnTheLowSide) {
  // Cells 2 to 5 each way are in view; 1 is drawn as well, 0 and 6 are not.
  level->setVisible(math::Vector3(6.0f, 6.0f, 0.0f), math::Vector3(15.0f, 15.0f, 0.0f));
  struct Case {
    int column, row;
    bool drawn;
  };
  const Case cases[] = {{0, 3, false}, {1, 3, true},  {2, 3, true}, {5, 3, true},
                        {6, 3, false}, {3, 0, false}, {3, 1, true}, {3, 6, false}};
  for (const Case &c : cases)
    addBlock(Block::UNBREAKABLE, COLOR_NONE, c.column, c.row);
  SpriteCanvas canvas;
  level->renderBlocks(canvas);
  const std::vector<blocktest::Sprite> drawn = drawnWith(canvas, L"blockUnbreakableSingle");
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.column << ", " << c.row);
    const math::Vector2 at(3.0f * float(c.column), 3.0f * float(c.row));
    bool found = false;
    for (const blocktest::Sprite &sprite : drawn)
      found = found || (sprite.position.x == at.x && sprite.position.y == at.y);
    EXPECT_EQ(found, c.drawn);
  }
}
