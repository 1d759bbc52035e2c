#include "engine/MoneyBug.h"

#include "engine/Ball.h"
#include "engine/Coin.h"
#include "engine/CylinderGeometry.h"
#include "engine/GameCategories.h"
#include "engine/GameSound.h"
#include "engine/HazardRule.h"
#include "engine/Level.h"
#include "engine/SkeletonDrawing.h"
#include "math/Random.h"
#include "video/Canvas.h"

namespace {

// Seconds of each state before the next: idle, resting, winding, spinning.
constexpr float stateSeconds[4] = {1.0f, 4.0f, 1.5f, 3.0f};
// The whirr is heard while the bug is this near the view.
constexpr float hearingReach = 6.0f;
constexpr float drawScale = 0.1f;

} // namespace

MoneyBug::MoneyBug(Level &level)
    : GameObject(&level), m_geometry(new CylinderGeometry(bodyRadius)) {
  m_geometry->category = CATEGORY_SOLID;
  m_geometry->addContactListener(this);
  level.simulation().addGeometry(m_geometry);
  setState(RESTING);
}

MoneyBug::~MoneyBug() {
  m_owner->simulation().removeGeometry(m_geometry);
  delete m_geometry;
}

math::Vector3 MoneyBug::getPosition() const { return m_geometry->transform.translation; }

void MoneyBug::setPosition(const math::Vector2 &at) {
  m_geometry->transform.translation = math::Vector3(at.x, at.y, 0.0f);
}

math::Box3D MoneyBug::bounds() const {
  return math::Box3D(getPosition(), math::Vector3(hearingReach, hearingReach, 0.0f));
}

void MoneyBug::setState(uint32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  if (state != SPINNING) {
    m_geometry->setRadius(bodyRadius);
    return;
  }
  m_geometry->setRadius(bladeRadius);
  if (m_owner->isVisible(bounds()))
    queueGameSound(SYM(L"chompExtend"), Random::globalFloat(0.75f, 1.25f));
}

void MoneyBug::update(float dt) {
  if (m_dead)
    return;
  walk(speed * dt);
  recomputeHeading();
  m_stateTime += dt;
  if (m_state <= SPINNING && m_stateTime > stateSeconds[m_state])
    setState(m_state == SPINNING ? IDLE : m_state + 1);
}

void MoneyBug::onContact(physics::WorldGeometry *, physics::Structure3D *structure, int) {
  if (m_dead)
    return;
  Ball *ball = ballTouching(*m_owner, structure);
  if (!ball)
    return;
  if (m_state == SPINNING && ball->isPlaying()) {
    hurtBall(*ball);
    return;
  }
  die();
}

void MoneyBug::die() {
  m_owner->spawnEffect(SYM(L"moneyBugDie"), getPosition(), 0.1f, math::Color::white,
                       Level::objectEffects());
  queueGameSound(SYM(L"kaching"));
  scatterCoins();
  m_dead = true;
}

void MoneyBug::scatterCoins() {
  constexpr int32_t side = 2 * scatterReach + 1;
  math::Vector2i free[side * side];
  uint32_t count = 0;
  const math::Vector2i home = Level::worldToCell(getPosition());
  for (int32_t dy = -scatterReach; dy <= scatterReach; ++dy)
    for (int32_t dx = -scatterReach; dx <= scatterReach; ++dx) {
      const math::Vector2i cell(home.x + dx, home.y + dy);
      if (m_owner->cellIsFree(cell))
        free[count++] = cell;
    }
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t j = uint32_t(Random::globalNext()) % count;
    const math::Vector2i kept = free[i];
    free[i] = free[j];
    free[j] = kept;
  }
  for (uint32_t i = 0; i < coinCount; ++i) {
    auto *coin = new Coin(*m_owner);
    coin->emerge(getPosition(), count > 0 ? free[--count] : home);
    m_owner->addCoin(coin);
  }
}

void MoneyBug::renderLayer(video::Canvas &canvas, uint32_t layer) {
  if (m_dead || m_state > SPINNING || layer >= layerCount)
    return;
  static const Symbol looks[2][4] = {{SYM(L"moneyBugBladesHiding"), Symbol(),
                                      SYM(L"moneyBugBladesPreSpin"),
                                      SYM(L"moneyBugBladesSpinning")},
                                     {SYM(L"moneyBugIdle"), SYM(L"moneyBugIdle"),
                                      SYM(L"moneyBugPreSpin"), SYM(L"moneyBugSkitter")}};
  const Symbol name = looks[layer][m_state];
  if (name.isEmpty())
    return;
  canvas.pushMatrix();
  canvas.translate(getPosition());
  canvas.rotate(m_heading, 0.0f, 0.0f, -1.0f);
  drawSkeleton(canvas, name, math::Vector3(), m_stateTime, drawScale, math::Color::white);
  canvas.popMatrix();
}
