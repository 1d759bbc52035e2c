#include "engine/Worm.h"

#include "engine/Ball.h"
#include "engine/GameCategories.h"
#include "engine/GameSound.h"
#include "engine/HazardRule.h"
#include "engine/Level.h"
#include "engine/SkeletonDrawing.h"
#include "math/Random.h"

#include <cmath>

namespace {

constexpr float pi = 3.14159265358979f;
// Model units of the worm's drawing to world units.
constexpr float modelScale = 0.125f;
// Seconds of each state of the cycle: extending, extended, retracting,
// retracted.
constexpr float stateLengths[4] = {1.0f, 1.6f, 2.0f, 3.4f};
constexpr float firstBurst = 0.2f;
constexpr float nextBurst = 0.1f;

void addPost(Level &level, CylinderGeometry &post, physics::ContactListener *listener) {
  post.category = CATEGORY_SOLID;
  post.addContactListener(listener);
  level.simulation().addGeometry(&post);
}

} // namespace

Worm::Segment::Segment(Worm &owner) : worm(owner) { addPost(*worm.owner(), geometry, this); }

Worm::Segment::~Segment() { worm.owner()->simulation().removeGeometry(&geometry); }

void Worm::Segment::onContact(physics::WorldGeometry *, physics::Structure3D *structure, int) {
  if (exploded || !ballTouching(*worm.owner(), structure))
    return;
  if (!breakable) {
    queueGameSound(SYM(L"tap"));
    return;
  }
  burst();
  worm.kill(position());
}

void Worm::Segment::burst() {
  exploded = true;
  geometry.enabled = false;
  static const Symbol withCore = SYM(L"wormExplode");
  static const Symbol withShell = SYM(L"wormExplodeWithShell");
  worm.owner()->spawnEffect(breakable ? withCore : withShell, position(), modelScale,
                            math::Color::white, Level::objectEffects());
}

Worm::Worm(Level &level) : GameObject(&level) { addPost(level, m_head, this); }

Worm::~Worm() {
  deleteSegments();
  m_owner->simulation().removeGeometry(&m_head);
}

void Worm::makeSegments(uint32_t count) {
  deleteSegments();
  for (uint32_t i = 0; i < count; ++i)
    m_segments.push(new Segment(*this));
}

void Worm::deleteSegments() {
  for (Segment *segment : m_segments)
    delete segment;
  m_segments.release();
}

void Worm::setup(const math::Vector3 &base, float angle, uint32_t segments, bool startsExtended) {
  m_base = base;
  m_angle = angle;
  m_startsExtended = startsExtended;
  makeSegments(segments);
  reset();
}

void Worm::chooseAnimation() {
  static const Symbol extend = SYM(L"wormHeadExtend");
  static const Symbol idle = SYM(L"wormHeadIdle");
  static const Symbol exploding = SYM(L"wormHeadExploding");
  const Symbol next = m_state <= EXTENDED ? extend : m_state == DYING ? exploding : idle;
  if (next != m_animation) {
    m_animation = next;
    m_animationTime = 0.0f;
  }
}

void Worm::setState(uint32_t s) {
  if (s == m_state)
    return;
  m_state = s;
  m_stateTime = 0.0f;
  chooseAnimation();
  if (s == DYING) {
    m_dyingTime = firstBurst;
    queueGameSound(SYM(L"wormDie"));
  }
}

void Worm::reset() {
  setState(m_startsExtended ? EXTENDED : RETRACTED);
  chooseAnimation();
  stepExtension();
  place();
  // The random draw covers 0 to count - 2; one segment makes it 0, and a
  // worm without segments has nothing to break.
  const uint32_t count = m_segments.size();
  for (Segment *segment : m_segments)
    segment->breakable = false;
  if (count == 0)
    return;
  const int last = count >= 2 ? int(count) - 2 : 0;
  m_segments[uint32_t(Random::globalInt(0, last))]->breakable = true;
}

void Worm::kill(const math::Vector3 &where) {
  m_deathPosition = where;
  setState(DYING);
}

math::Vector3 Worm::along(float distance) const {
  // A turn about (0, 0, -1): clockwise seen from above.
  const float radians = m_angle * (pi / 180.0f);
  return math::Vector3(distance * std::sin(radians), distance * std::cos(radians), 0.0f);
}

void Worm::stepExtension() {
  const float t = m_stateTime;
  switch (m_state) {
  case EXTENDING:
    if (t < stateLengths[EXTENDING])
      m_extension = std::sin(t * pi / 2.0f);
    break;
  case EXTENDED:
    m_extension = 1.0f;
    break;
  case RETRACTING:
    if (t < stateLengths[RETRACTING])
      m_extension = 1.0f - (0.5f * std::cos(t / 2.0f * pi + pi) + 0.5f);
    break;
  case RETRACTED:
    m_extension = 0.0f;
    break;
  default:
    break;
  }
}

void Worm::place() {
  const uint32_t n = m_segments.size();
  for (uint32_t i = 0; i < n; ++i)
    m_segments[i]->setPosition(m_base +
                               along((10.0f + 26.0f * float(i)) * m_extension * modelScale));
  m_head.transform.translation =
      m_base + along((30.0f + 26.0f * float(n) * m_extension) * modelScale);
}

void Worm::update(float dt) {
  if (m_dead)
    return;
  m_stateTime += dt;
  m_animationTime += dt;
  if (m_state < DYING) {
    if (m_stateTime > stateLengths[m_state])
      setState((m_state + 1) % DYING);
  } else if (m_state == DYING) {
    stepDying(dt);
  }
  stepExtension();
  place();
}

void Worm::stepDying(float dt) {
  m_dyingTime -= dt;
  if (m_dyingTime > 0.0f)
    return;
  uint32_t left = 0;
  for (const Segment *segment : m_segments)
    left += segment->exploded ? 0 : 1;
  if (left == 0) {
    m_owner->addScore(points, m_owner->takeGroupId(), m_deathPosition);
    m_dead = true;
    return;
  }
  uint32_t pick = uint32_t(Random::globalNext()) % left;
  for (Segment *segment : m_segments) {
    if (segment->exploded)
      continue;
    if (pick-- == 0) {
      segment->burst();
      break;
    }
  }
  m_dyingTime = nextBurst;
}

void Worm::onContact(physics::WorldGeometry *, physics::Structure3D *structure, int) {
  if (m_state == DYING)
    return;
  if (Ball *ball = ballTouching(*m_owner, structure))
    hurtBall(*ball);
}

void Worm::render(video::Canvas &canvas) {
  if (m_dead)
    return;
  drawSkeleton(canvas, m_animation, m_head.transform.translation, m_animationTime, modelScale,
               math::Color::white, m_angle);
}

void Worm::renderGeometry(video::Canvas &canvas) const {
  m_head.renderGeometry(canvas);
  for (const Segment *segment : m_segments)
    segment->geometry.renderGeometry(canvas);
}
