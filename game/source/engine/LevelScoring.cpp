// What each event is worth: broken blocks with the bonus colour, the drops
// that show the points, the bonus charge, coins towards an extra ball, and
// the level's total with its ball and time bonuses.

#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/FrontEnd.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "engine/PageCalls.h"
#include "gui/Page.h"
#include "math/Scalar.h"
#include "video/Window.h"

namespace {

constexpr uint32_t blockPoints = 25;
// A charge gives the ball its power only once it has shown this long.
constexpr float chargeShowTime = 0.25f;
// The coin that fills the meter earns a ball.
constexpr uint32_t coinsPerBall = 25;

} // namespace

void Level::addScore(uint32_t points, uint32_t group, const math::Vector3 &position) {
  m_score += FrontEnd::testerPlaying() ? 1 : points;
  if (group != 0) {
    if (GroupScoreDrop *const *found = m_groupScoreDropTable.lookup(group)) {
      (*found)->addPoints(position, points);
      return;
    }
    auto *drop = new GroupScoreDrop(*this);
    drop->setGroup(group);
    drop->setPoints(points);
    drop->setPosition(position);
    m_groupScoreDrops.append(drop);
    m_groupScoreDropTable.put(group, drop);
    return;
  }
  auto *drop = new ScoreDrop(*this, int(points));
  drop->setPosition(position);
  m_scoreDrops.append(drop);
}

void Level::blockBroken(const Block &block) {
  ++m_blocksBroken;
  uint32_t points = blockPoints;
  if (m_bonusColor < COLOR_COUNT && m_bonusColor == block.color())
    points *= m_bonusCount;
  addScore(points, block.group(), block.centre());
}

void Level::blockScored(const Block &block) {
  addScore(blockPoints, block.group(), block.centre());
}

void Level::registerHit(Block &block) {
  if (!block.isNormalOrBonus())
    return;
  if (block.charge() < Block::noCharge && block.chargeAge() > chargeShowTime)
    m_ball->setPower(block.charge());
  if (block.kind() == Block::BONUS)
    chargeBonus(block.color());
}

void Level::chargeBonus(unsigned colour) {
  if (colour != m_bonusColor) {
    m_bonusColor = colour;
    m_bonusCount = 2;
  } else {
    ++m_bonusCount;
  }
  m_ball->addBonusCharge(colour);
  if (GUI::Page *page = findPage(SYM(L"bonusCharge"))) {
    // Away from the ball: above the centre when the ball is in the upper
    // half, else below.
    const math::Vector2 size = video::Window::screenSize();
    const math::Vector2 centre(0.5f * size.x, 0.5f * size.y);
    const float ballY = m_camera.projectToPixel(m_ball->atomPosition()).y;
    const float shift = ballY >= centre.y ? -0.2f * size.y : 0.2f * size.y;
    page->setPosition(math::Vector2(centre.x, centre.y + shift));
    page->exit();
    page->enter();
  }
  queueGameSound(SYM(L"acquireBonus"));
}

void Level::coinCollected() {
  if (m_ballEarned) {
    ++m_pendingCoins;
    return;
  }
  const uint32_t count = m_coinCount + 1;
  if (count >= coinsPerBall) {
    ++m_balls;
    m_coinMeter.showNow();
    enterPage(SYM(L"earnBall"));
    m_ballEarned = true;
  }
  m_coinCount = count;
  m_coinMeter.showFor();
}

void Level::endExtraBallNotice() {
  m_ballEarned = false;
  m_coinCount = 0;
}

float Level::timeBonusFactor() const {
  if (FrontEnd::testerPlaying() || m_playTime >= float(m_parTime))
    return 0.0f;
  return 1.0f - m_playTime / float(m_parTime);
}

uint32_t Level::timeBonus() const {
  return uint32_t(math::round(timeBonusFactor() * float(m_score)));
}

uint32_t Level::total() const { return bonusPoints() + m_score + timeBonus(); }
