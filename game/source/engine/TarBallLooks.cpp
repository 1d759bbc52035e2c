// The tar ball's own drawing: a tinted glow, the body and its spots at each
// atom, the first atom turned to its heading. The eye and the pupil are in
// the level's tar batches.

#include "engine/Ball.h"
#include "engine/Level.h"
#include "engine/SkeletonDrawing.h"
#include "engine/TarBall.h"
#include "video/Canvas.h"

namespace {

constexpr float modelScale = 1.0f / 15.0f;
// Seconds between the poses of neighbouring atoms.
constexpr float poseStep = 0.2f;

} // namespace

void TarBall::render(video::Canvas &canvas) {
  if (m_dead || atomCount() == 0)
    return;
  static const Symbol glow = SYM(L"tarBallGlow");
  static const Symbol body = SYM(L"tarBall");
  static const Symbol bodyFleeing = SYM(L"tarBallInv");
  static const Symbol spots = SYM(L"tarBallBlackDot");
  static const Symbol spotsFleeing = SYM(L"tarBallBlackDotInv");
  const bool fleeing = m_state == FLEEING;
  const float time = m_owner->totalTime();
  const uint32_t n = atomCount();

  math::Color tint = math::Color::red;
  if (m_owner->ball().power() != Ball::NO_POWER)
    tint = m_owner->hasBonusCharge() ? colorValue(m_owner->bonusColor()) : math::Color::white;
  canvas.pushColor();
  canvas.multiplyColor(tint);
  for (uint32_t k = n; k-- > 0;)
    drawSkeleton(canvas, glow, m_structure.getAtom(k).position, time, modelScale,
                 math::Color::white);
  canvas.popColor();

  for (uint32_t k = n; k-- > 0;)
    drawSkeleton(canvas, fleeing ? bodyFleeing : body, m_structure.getAtom(k).position,
                 time + float(k + 1) * poseStep, modelScale, math::Color::white,
                 k == 0 ? m_heading : 0.0f);
  for (uint32_t k = 0; k < n; ++k)
    drawSkeleton(canvas, fleeing ? spotsFleeing : spots, m_structure.getAtom(k).position,
                 time + float(k) * poseStep, modelScale, math::Color::white,
                 k == 0 ? m_heading : 0.0f);
}
