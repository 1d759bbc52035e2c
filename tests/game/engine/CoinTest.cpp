#include "BlockWorld.h"

#include "engine/Coin.h"
#include "engine/CoinMeter.h"
#include "file/BufferBinary.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "text/FontFactory.h"

#include <gtest/gtest.h>

#include <cmath>

using blocktest::BlockWorld;

namespace {

constexpr float frame = 1.0f / 30.0f;

void expectAt(const math::Vector2 &actual, const math::Vector2 &expected) {
  EXPECT_EQ(actual.x, expected.x);
  EXPECT_EQ(actual.y, expected.y);
}

class CoinTest : public BlockWorld {
protected:
  Coin *coinAt(int column, int row) {
    auto *coin = new Coin(*level);
    coin->setCell(math::Vector2i(column, row));
    level->addCoin(coin);
    return coin;
  }
  CoinMeter &meter() { return level->coinMeter(); }
};

} // namespace

TEST_F(CoinTest, TheBallDrawsAnIdleCoinFromWithinSevenAndAHalfUnits) {
  struct Case {
    float distance;
    uint32_t state;
  };
  for (const Case &c : {Case{7.6f, Coin::IDLE}, Case{7.5f, Coin::IDLE}, Case{7.4f, Coin::ATTRACTED},
                        Case{0.0f, Coin::ATTRACTED}}) {
    Coin coin(*level);
    coin.setCell(math::Vector2i(2, 1));
    EXPECT_EQ(coin.position, math::Vector3(6.0f, 3.0f, 0.0f));
    ball().setPosition(math::Vector3(6.0f, 3.0f + c.distance, 0.0f));
    EXPECT_NEAR(coin.distanceSquaredToBall(), c.distance * c.distance, 1e-3f);
    coin.update(frame);
    EXPECT_EQ(coin.state(), c.state) << c.distance;
    EXPECT_EQ(coin.position, math::Vector3(6.0f, 3.0f, 0.0f));
  }
}

TEST_F(CoinTest, AFlyingCoinSpeedsUpAndIsCollectedOnceWhenTheBallIsWithinAStep) {
  ASSERT_TRUE(soundOpen);
  Coin flying(*level);
  Coin *coin = &flying;
  ball().setPosition(math::Vector3(7.0f, 0.0f, 0.0f));
  coin->update(frame);
  ASSERT_EQ(coin->state(), uint32_t(Coin::ATTRACTED));
  // The flight starts in the next update: 150 units a second more each
  // second, along the way to the ball.
  coin->update(0.1f);
  EXPECT_FLOAT_EQ(coin->speed(), 15.0f);
  EXPECT_NEAR(coin->position.x, 1.5f, 1e-5f);
  EXPECT_EQ(coin->position.y, 0.0f);
  coin->update(0.1f);
  EXPECT_FLOAT_EQ(coin->speed(), 30.0f);
  EXPECT_NEAR(coin->position.x, 4.5f, 1e-5f);
  EXPECT_TRUE(level->effects().list(Level::objectEffects())->count() == 0);

  // The ball is within the next step: collected in that update.
  coin->update(0.1f);
  EXPECT_TRUE(coin->isDead());
  EXPECT_EQ(coin->state(), uint32_t(Coin::COLLECTED));
  const auto acquired = effects(Level::objectEffects(), L"coinAcquired");
  ASSERT_EQ(acquired.size(), 1u);
  EXPECT_FLOAT_EQ(acquired[0]->scale, 0.1f);
  EXPECT_TRUE(played(L"coin"));
  EXPECT_EQ(level->coinCount(), 1u);
  // In the level's list a collected coin leaves it.
  coinAt(0, 0);
  ball().setPosition(math::Vector3(0.1f, 0.0f, 0.0f));
  level->coins().update(frame);
  level->coins().update(frame);
  EXPECT_TRUE(level->coins().isEmpty());
  EXPECT_EQ(level->coinCount(), 2u);

  // The state must change for a coin to be collected.
  Coin twice(*level);
  twice.setState(Coin::COLLECTED);
  twice.setState(Coin::COLLECTED);
  twice.update(frame);
  EXPECT_EQ(level->coinCount(), 3u);
  EXPECT_EQ(effects(Level::objectEffects(), L"coinAcquired").size(), 3u);
}

TEST_F(CoinTest, AnEmergingCoinGlidesToItsCellInSixTenthsOfASecond) {
  ball().setPosition(math::Vector3(100.0f, 100.0f, 0.0f));
  Coin coin(*level);
  coin.emerge(math::Vector3(0.0f, -6.0f, 0.0f), math::Vector2i(2, 0));
  EXPECT_EQ(coin.state(), uint32_t(Coin::EMERGING));
  EXPECT_EQ(coin.offset(), math::Vector3(6.0f, 6.0f, 0.0f));
  coin.update(0.3f);
  const float eased = std::sin(0.25f * 3.14159265f);
  EXPECT_NEAR(coin.position.x, 6.0f * eased, 1e-5f);
  EXPECT_NEAR(coin.position.y, -6.0f + 6.0f * eased, 1e-5f);
  coin.update(0.3f);
  EXPECT_EQ(coin.state(), uint32_t(Coin::IDLE));
  EXPECT_EQ(coin.position, math::Vector3(6.0f, 0.0f, 0.0f));
}

TEST_F(CoinTest, CoinsAreTakenAndFoundByCellFirstInListOrder) {
  Coin *first = coinAt(3, -2);
  Coin *second = coinAt(3, -2);
  EXPECT_TRUE(level->hasCoin(math::Vector2i(3, -2)));
  EXPECT_FALSE(level->hasCoin(math::Vector2i(-2, 3)));
  EXPECT_EQ(level->takeCoin(math::Vector2i(-2, 3)), nullptr);
  Coin *taken = level->takeCoin(math::Vector2i(3, -2));
  EXPECT_EQ(taken, first);
  delete taken;
  EXPECT_EQ(level->coins().size(), 1u);
  EXPECT_EQ(level->coins()[0], second);
  EXPECT_TRUE(level->hasCoin(math::Vector2i(3, -2)));
}

TEST_F(CoinTest, TheMeterSlidesInHoldsTwoSecondsAndSlidesOut) {
  const math::Vector2 shown = CoinMeter::shownPoint(), hidden = CoinMeter::hiddenPoint();
  EXPECT_EQ(shown.x + 65.0f, hidden.x);
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::HIDDEN));
  level->coinCollected();
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::SLIDING_IN));
  expectAt(meter().position, hidden);
  meter().update(0.25f);
  EXPECT_NEAR(meter().position.x, 0.5f * (shown.x + hidden.x), 1e-4f);
  meter().update(0.3f);
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::SHOWN));
  expectAt(meter().position, shown);

  // A second coin while shown only renews the two seconds.
  meter().update(1.5f);
  level->coinCollected();
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::SHOWN));
  EXPECT_EQ(meter().holdTime(), 2.0f);
  expectAt(meter().position, shown);
  meter().update(1.9f);
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::SHOWN));
  meter().update(0.15f);
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::SLIDING_OUT));

  // One while it slides out slides it in again from the hidden point.
  meter().update(0.25f);
  EXPECT_NEAR(meter().position.x, 0.5f * (shown.x + hidden.x), 1e-4f);
  level->coinCollected();
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::SLIDING_IN));
  expectAt(meter().position, hidden);
  meter().update(0.6f);
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::SHOWN));

  // Shown with no coins towards a ball, it leaves at once.
  level->endExtraBallNotice();
  meter().update(frame);
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::SLIDING_OUT));
  meter().update(0.6f);
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::HIDDEN));
  expectAt(meter().position, hidden);
}

TEST_F(CoinTest, TheTwentyFifthCoinAddsABallAndEntersTheEarnBallPage) {
  // Without the page the ball is still earned.
  for (int i = 0; i < 25; ++i)
    level->coinCollected();
  EXPECT_EQ(level->balls(), 3u);
  EXPECT_TRUE(level->ballEarned());
  EXPECT_EQ(meter().state(), uint32_t(CoinMeter::SHOWN));
  level->endExtraBallNotice();

  auto *page = new GUI::Page;
  page->setName(Symbol::intern(L"earnBall"));
  GUI::PageFactory::instance()->addPage(page);
  ball().setPosition(math::Vector3(0.0f, 0.0f, 0.0f));
  for (int i = 0; i < 25; ++i)
    coinAt(i % 3 - 1, (i / 3) % 3 - 1);
  level->setState(Level::PLAYING);
  for (int i = 0; i < 60 && !level->coins().isEmpty(); ++i)
    level->coins().update(frame);
  EXPECT_TRUE(level->coins().isEmpty());
  EXPECT_EQ(level->balls(), 4u);
  EXPECT_EQ(level->coinCount(), 25u);
  EXPECT_NE(page->state(), uint32_t(GUI::Page::INACTIVE));
  EXPECT_NE(page->state(), uint32_t(GUI::Page::EXIT));
}

TEST_F(CoinTest, TheMetersCountDrawsInTheFontAndWithoutItNothing) {
  blocktest::SpriteCanvas canvas;
  meter().render(canvas);
  EXPECT_TRUE(canvas.drawn().empty());
  level->coinCollected();
  level->coinCollected();
  // Without the font "font" no count, and no crash.
  meter().render(canvas);
  EXPECT_TRUE(canvas.drawn().empty());
  EXPECT_EQ(meter().countText(), String(L"2"));

  auto white = testing_support::whiteTexture(Symbol::intern(L"white"));
  FontFactory::of(*database)->insert(
      testing_support::boxFont(white.get(), {{L'2', 10.0f}}, 0.0f).release());
  meter().render(canvas);
  ASSERT_EQ(canvas.drawn().size(), 1u);
  // Centred on the meter's point.
  EXPECT_NEAR(0.5f * (canvas.drawn()[0].left + canvas.drawn()[0].right), meter().position.x, 1e-4f);
}

TEST_F(CoinTest, RecordsRoundTripAndCutOnesAreRefused) {
  Coin written(*level);
  written.emerge(math::Vector3(1.0f, 2.0f, 0.0f), math::Vector2i(-4, 7));
  written.update(0.2f);
  file::BufferBinary level_;
  written.writeLevelRecord(level_);
  EXPECT_EQ(level_.size(), Coin::levelRecordBytes);
  level_.seek(0);
  Coin placed(*level);
  ASSERT_TRUE(placed.readLevelRecord(level_));
  EXPECT_EQ(placed.cell().x, -4);
  EXPECT_EQ(placed.cell().y, 7);
  EXPECT_EQ(placed.position, math::Vector3(-12.0f, 21.0f, 0.0f));
  EXPECT_EQ(placed.state(), uint32_t(Coin::IDLE));

  file::BufferBinary out;
  written.write(out);
  EXPECT_EQ(out.size(), Coin::recordBytes);
  out.seek(0);
  Coin read(*level);
  ASSERT_TRUE(read.read(out));
  EXPECT_EQ(read.state(), uint32_t(Coin::EMERGING));
  EXPECT_EQ(read.stateTime(), 0.2f);
  EXPECT_EQ(read.position, written.position);
  EXPECT_EQ(read.cell().x, -4);
  EXPECT_EQ(read.home(), written.home());
  EXPECT_EQ(read.offset(), written.offset());
  EXPECT_FALSE(read.isDead());
  // Read without a state change: nothing was collected.
  EXPECT_EQ(level->coinCount(), 0u);

  meter().setState(CoinMeter::SLIDING_OUT);
  meter().update(0.125f);
  file::BufferBinary meterOut;
  meter().write(meterOut);
  EXPECT_EQ(meterOut.size(), CoinMeter::recordBytes);
  meterOut.seek(0);
  CoinMeter again(*level);
  ASSERT_TRUE(again.read(meterOut));
  EXPECT_EQ(again.state(), uint32_t(CoinMeter::SLIDING_OUT));
  EXPECT_EQ(again.stateTime(), 0.125f);
  expectAt(again.position, meter().position);

  for (file::BufferBinary *record : {&level_, &out, &meterOut}) {
    record->resize(record->size() - 1);
    record->seek(0);
  }
  Coin untouched(*level);
  EXPECT_FALSE(untouched.readLevelRecord(level_));
  EXPECT_FALSE(untouched.read(out));
  EXPECT_EQ(untouched.cell().x, 0);
  EXPECT_EQ(untouched.state(), uint32_t(Coin::IDLE));
  CoinMeter hidden(*level);
  EXPECT_FALSE(hidden.read(meterOut));
  EXPECT_EQ(hidden.state(), uint32_t(CoinMeter::HIDDEN));
}
