#include "gui/SkeletonWidget.h"

#include "animation/Skeleton.h"
#include "animation/SkeletonStore.h"
#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "file/TextBinary.h"
#include "gui/DictionaryRead.h"
#include "math/Bounds2D.h"
#include "math/ColorBinary.h"
#include "math/Random.h"
#include "math/Scalar.h"
#include "video/Canvas.h"

#include <cmath>

namespace GUI {

namespace {

enum Flags : uint8_t {
  ANIMATE = 1,
  HAS_TIME = 2,
  HAS_OFFSET = 4,
  HAS_SCALE = 8,
  HAS_ROTATION = 16,
  HAS_COLOR = 32
};

const math::Color WHITE(1.0f, 1.0f, 1.0f, 1.0f);

bool unitScale(math::Vector2 s) { return s.x == 1.0f && s.y == 1.0f; }

} // namespace

void SkeletonWidget::setSkeleton(Symbol name) {
  if (name == m_skeleton)
    return;
  m_skeleton = name;
  m_animationTime = 0;
}

void SkeletonWidget::setAnimate(bool animate) {
  m_animate = animate;
  m_animationTime = 0;
}

animation::Skeleton *SkeletonWidget::skeleton() const {
  if (!hasSkeleton())
    return nullptr;
  Database *database = Database::current();
  SkeletonStore *store = database ? SkeletonStore::of(*database) : nullptr;
  return store ? store->skeleton(m_skeleton) : nullptr;
}

void SkeletonWidget::selectRandomAnimationTime() {
  if (animation::Skeleton *s = skeleton())
    m_animationTime = Random::globalFloat(0.0f, s->totalAnimationTime());
}

void SkeletonWidget::update(float dt) {
  Widget::update(dt);
  if (visible() && m_animate)
    m_animationTime += dt;
}

void SkeletonWidget::draw(video::Canvas &canvas) {
  animation::Skeleton *s = skeleton();
  if (!s)
    return;
  canvas.pushMatrix();
  canvas.rotate(m_rotation, 0.0f, 0.0f, -1.0f);
  canvas.scale(m_scale.x, m_scale.y, 1.0f);
  canvas.pushColor();
  canvas.multiplyColor(m_color);
  s->animate(poseAge());
  s->render(canvas);
  canvas.popColor();
  canvas.popMatrix();
}

math::Rectangle SkeletonWidget::localRectangle() const {
  animation::Skeleton *s = skeleton();
  return s ? s->boundsHint : math::Rectangle();
}

// The drawing turns the skeleton by the rotation about (0, 0, -1) and then
// scales it; the point goes back through both in the reverse order. The
// pose is the drawn one, so the hit test agrees with what is seen.
bool SkeletonWidget::containsPoint(math::Vector2 screen) const {
  if (!clipRectangle().contains(screen))
    return false;
  math::Vector2 q = fromScreen(screen);
  if (hitArea())
    return hitArea()->contains(q);
  animation::Skeleton *s = skeleton();
  if (!s || m_scale.x == 0.0f || m_scale.y == 0.0f)
    return false;
  double a = double(m_rotation) * math::degreesToRadians;
  float c = float(std::cos(a)), sn = float(std::sin(a));
  math::Vector2 p((q.x * c - q.y * sn) / m_scale.x, (q.x * sn + q.y * c) / m_scale.y);
  s->animate(poseAge());
  math::Color texel;
  return s->pick(p, nullptr, texel) != nullptr;
}

void SkeletonWidget::touch() {
  if (animation::Skeleton *s = skeleton())
    s->touch(Database::current());
  Widget::touch();
}

void SkeletonWidget::serialize(file::ByteReceiver &out) const {
  Widget::serialize(out);
  file::write(m_skeleton, out);
  uint8_t flags = (m_animate ? ANIMATE : 0) | (m_animationTime != 0.0f ? HAS_TIME : 0) |
                  (m_animationOffset != 0.0f ? HAS_OFFSET : 0) |
                  (unitScale(m_scale) ? 0 : HAS_SCALE) | (m_rotation != 0.0f ? HAS_ROTATION : 0) |
                  (m_color == WHITE ? 0 : HAS_COLOR);
  file::write(flags, out);
  if (flags & HAS_TIME)
    file::write(m_animationTime, out);
  if (flags & HAS_OFFSET)
    file::write(m_animationOffset, out);
  if (flags & HAS_SCALE)
    file::write(m_scale, out);
  if (flags & HAS_ROTATION)
    file::write(m_rotation, out);
  if (flags & HAS_COLOR)
    file::write(m_color, out);
}

void SkeletonWidget::deserialize(file::ByteProducer &in) {
  Widget::deserialize(in);
  file::read(m_skeleton, in);
  uint8_t flags = 0;
  file::read(flags, in);
  m_animate = (flags & ANIMATE) != 0;
  m_animationTime = 0;
  m_animationOffset = 0;
  m_scale = math::Vector2(1.0f, 1.0f);
  m_rotation = 0;
  m_color = WHITE;
  if (flags & HAS_TIME)
    file::read(m_animationTime, in);
  if (flags & HAS_OFFSET)
    file::read(m_animationOffset, in);
  if (flags & HAS_SCALE)
    file::read(m_scale, in);
  if (flags & HAS_ROTATION)
    file::read(m_rotation, in);
  if (flags & HAS_COLOR)
    file::read(m_color, in);
}

void SkeletonWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  readSymbol(d, SYM(L"skeleton"), m_skeleton);
  readTruth(d, SYM(L"animate"), m_animate);
  readValue(d, SYM(L"animationTime"), m_animationTime);
  readValue(d, SYM(L"animationOffset"), m_animationOffset);
  readValue(d, SYM(L"scale"), m_scale);
  readValue(d, SYM(L"rotation"), m_rotation);
  readValue(d, SYM(L"color"), m_color);
  if (const quip::Token *action = typedValue(d, SYM(L"action"), quip::TYPE_DICTIONARY)) {
    Symbol method;
    readSymbol(action->dictionary(), SYM(L"method"), method);
    if (method == SYM(L"selectRandomAnimationTime") && hasSkeleton())
      selectRandomAnimationTime();
  }
}

} // namespace GUI
