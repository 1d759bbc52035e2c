// Coins of a level written through the level writer, collected in play.

#include "PlayWorld.h"

#include "LevelWriter.h"
#include "engine/Coin.h"

#include <gtest/gtest.h>

#include <string>

using leveltest::PlayWorld;

namespace {

// A room round the ball's start, a block to break far off, and 26 coins
// all within the ball's reach of its start (some cells hold two).
levelwriter::LevelPlan roomOfCoins() {
  levelwriter::LevelPlan plan;
  plan.name = "coins";
  levelwriter::Room room;
  room.area = levelwriter::CellRect{-4, -4, 4, 8};
  plan.rooms.push_back(room);
  plan.blocks.push_back(levelwriter::PlacedBlock{Block::NORMAL, 0, 0, 8});
  for (int32_t column = -2; column <= 2; ++column)
    for (int32_t row = -2; row <= 2; ++row)
      if (column * column + row * row < 6 && (column != 0 || row != 0))
        plan.coins.emplace_back(column, row);
  while (plan.coins.size() < 26)
    plan.coins.emplace_back(1, 1);
  return plan;
}

} // namespace

TEST_F(PlayWorld, TheTwentyFifthCoinOfAWrittenLevelEarnsABallAndEntersItsPage) {
  const levelwriter::LevelPlan plan = roomOfCoins();
  file::BufferBinary bytes;
  std::string error;
  ASSERT_TRUE(levelwriter::levelFile(plan, bytes, error)) << error;
  bytes.seek(0);
  ASSERT_TRUE(level->load(bytes));
  ASSERT_EQ(level->coins().size(), 26u);
  for (uint32_t i = 0; i < 26; ++i) {
    const Coin *coin = level->coins()[i];
    EXPECT_EQ(coin->cell().x, plan.coins[i].first);
    EXPECT_EQ(coin->cell().y, plan.coins[i].second);
    EXPECT_EQ(coin->state(), uint32_t(Coin::IDLE));
  }

  GUI::Page *earnBall = addPage(L"earnBall");
  play();
  // The intro placed the ball at its start; play draws every coin to it.
  frames(30);
  EXPECT_TRUE(level->coins().isEmpty());
  EXPECT_EQ(level->balls(), 3u);
  EXPECT_TRUE(level->ballEarned());
  EXPECT_EQ(level->coinCount(), 25u);
  EXPECT_EQ(level->pendingCoins(), 1u);
  EXPECT_TRUE(shown(*earnBall));
  EXPECT_EQ(level->coinMeter().state(), uint32_t(CoinMeter::SHOWN));

  // The notice closes: the meter starts again with the coin that waited.
  level->endExtraBallNotice();
  frames(1);
  EXPECT_EQ(level->coinCount(), 1u);
  EXPECT_EQ(level->pendingCoins(), 0u);
}
