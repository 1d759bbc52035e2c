#include "BlockWorld.h"

#include "engine/Splatter.h"

#include <gtest/gtest.h>

#include <set>

using blocktest::BlockWorld;

namespace {

class SplatterTest : public BlockWorld {};

} // namespace

TEST(Splatter, FullColourThenFadingOutWhileGrowingFromSeventyPercent) {
  struct Case {
    float age;
    float fade;
    float pop;
  };
  const Case cases[] = {{0.0f, 1.0f, 0.7f},  {0.125f, 1.0f, 0.7f + 0.3f * 0.70710677f},
                        {0.25f, 1.0f, 1.0f}, {0.5499f, 1.0f, 1.0f},
                        {0.7f, 0.5f, 1.0f},  {0.85f, 0.0f, 1.0f}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.age);
    EXPECT_NEAR(Splatter::fade(c.age), c.fade, 1e-5f);
    EXPECT_NEAR(Splatter::pop(c.age), c.pop, 1e-5f);
  }
}

TEST(Splatter, RecordsGoInactiveAt085AndAreReused) {
  Splatter splatter;
  for (int i = 0; i < 8; ++i)
    splatter.add(math::Vector2(float(i), 0.0f), math::Color::white);
  EXPECT_EQ(splatter.recordCount(), 8u);
  splatter.update(0.84f);
  for (uint32_t i = 0; i < 8; ++i)
    EXPECT_TRUE(splatter.record(i).active);
  splatter.add(math::Vector2(9.0f, 0.0f), math::Color::white);
  splatter.update(0.02f);
  for (uint32_t i = 0; i < 8; ++i)
    EXPECT_FALSE(splatter.record(i).active);
  EXPECT_TRUE(splatter.record(8).active);
  // Later splashes take the first inactive records.
  splatter.add(math::Vector2(1.0f, 2.0f), math::Color(1.0f, 0.0f, 0.0f, 1.0f));
  EXPECT_EQ(splatter.recordCount(), 9u);
  const SplatterDrop &reused = splatter.record(0);
  EXPECT_TRUE(reused.active);
  EXPECT_EQ(reused.age, 0.0f);
  EXPECT_EQ(reused.position.x, 1.0f);
  EXPECT_EQ(reused.position.y, 2.0f);
  EXPECT_EQ(reused.color, math::Color(1.0f, 0.0f, 0.0f, 1.0f));
  EXPECT_LT(reused.texture, Splatter::imageCount);
}

TEST_F(SplatterTest, ABreakingBlockSplashesItsColourDrawnOneCallPerImage) {
  for (int column = 0; column < 12; ++column)
    addBlock(Block::NORMAL, 4, 2 * column, 0)->smashQuietly();
  // An unbreakable block leaves none.
  addBlock(Block::UNBREAKABLE, COLOR_NONE, 0, 4)->smashQuietly();
  Splatter &splatter = level->splatter();
  ASSERT_EQ(splatter.recordCount(), 12u);
  EXPECT_EQ(splatter.record(3).position.x, 18.0f);
  EXPECT_EQ(splatter.record(3).position.y, 0.0f);
  EXPECT_EQ(splatter.record(3).color, colorValue(4));

  splatter.update(0.7f);
  blocktest::SpriteCanvas canvas;
  splatter.render(canvas, 40.0f);
  ASSERT_EQ(canvas.sprites.size(), 12u);
  std::set<uint32_t> images;
  for (uint32_t i = 0; i < splatter.recordCount(); ++i)
    images.insert(splatter.record(i).texture);
  EXPECT_EQ(canvas.pointCalls.size(), images.size());
  for (const blocktest::Sprite &sprite : canvas.sprites) {
    EXPECT_EQ(sprite.colour.r, 255u);
    EXPECT_EQ(sprite.colour.a, 127u);
    EXPECT_FLOAT_EQ(sprite.size, 50.0f);
  }
  // Drawing empties the batches; gone splashes draw nothing.
  splatter.update(0.2f);
  canvas.sprites.clear();
  canvas.pointCalls.clear();
  splatter.render(canvas, 40.0f);
  EXPECT_TRUE(canvas.pointCalls.empty());
}
