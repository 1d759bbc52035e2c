// How a group score drop shows its total: the text rides the root node of
// the drop's skeleton, posed at the drop's age.

#include "animation/Node.h"
#include "animation/Skeleton.h"
#include "animation/SkeletonStore.h"
#include "engine/GroupScoreDrop.h"
#include "file/Database.h"
#include "text/Font.h"
#include "text/FontFactory.h"
#include "video/Canvas.h"

namespace {

// A drop whose skeleton has no animation (the store's placeholder) still
// shows for this long.
constexpr float placeholderTime = 1.0f;

} // namespace

animation::Skeleton *GroupScoreDrop::skeleton() {
  if (!m_skeletonSought) {
    m_skeletonSought = true;
    Database *database = Database::current();
    SkeletonStore *store = database ? SkeletonStore::of(*database) : nullptr;
    m_skeleton = store ? store->skeleton(SYM(L"groupScoreDrop")) : nullptr;
  }
  return m_skeleton;
}

float GroupScoreDrop::animationTime() {
  const animation::Skeleton *shape = skeleton();
  const float time = shape ? shape->totalAnimationTime() : 0.0f;
  return time > 0.0f ? time : placeholderTime;
}

const String &GroupScoreDrop::text() {
  if (m_shownPoints != m_points || m_text.isEmpty()) {
    m_text = String::toString(unsigned(m_points));
    m_shownPoints = m_points;
  }
  return m_text;
}

void GroupScoreDrop::render(video::Canvas &canvas) {
  const FontFactory *fonts = FontFactory::current();
  const Font *font = fonts ? fonts->font(SYM(L"fontMediumStroke")) : nullptr;
  if (!font)
    return;
  canvas.pushMatrix();
  canvas.translate(position);
  canvas.scale(0.125f, 0.125f);
  animation::Skeleton *shape = skeleton();
  animation::Node *root = nullptr;
  if (shape) {
    shape->animate(m_age);
    root = shape->findNode(SYM(L"root"));
  }
  if (root)
    root->beginRender(canvas);
  font->drawString(canvas, text(), math::Vector2());
  if (root)
    root->endRender(canvas);
  canvas.popMatrix();
}
