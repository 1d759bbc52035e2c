#include "gui/AnimatedContainer.h"

#include "animation/Node.h"
#include "animation/Skeleton.h"
#include "animation/SkeletonStore.h"
#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "file/TextBinary.h"
#include "math/Scalar.h"

namespace GUI {

animation::Skeleton *AnimatedContainer::skeleton() const {
  if (!hasAnimation())
    return nullptr;
  Database *database = Database::current();
  SkeletonStore *store = database ? SkeletonStore::of(*database) : nullptr;
  return store ? store->skeleton(m_animation) : nullptr;
}

float AnimatedContainer::totalTime() const {
  animation::Skeleton *posed = skeleton();
  return posed ? posed->totalAnimationTime() : 0.0f;
}

void AnimatedContainer::setAnimation(Symbol name) {
  if (name == m_animation)
    return;
  m_animation = name;
  m_time = 0;
  m_speed = 1.0f;
}

void AnimatedContainer::play(Symbol name, float speed) {
  m_animation = name;
  m_speed = speed;
  m_time = speed > 0 ? 0.0f : totalTime();
  setVisible(true);
  m_timedShow = false;
}

void AnimatedContainer::playAndHide(Symbol name, float speed) {
  play(name, speed);
  // At speed 0 it would never run through: it stays, as play leaves it.
  if (speed != 0)
    showFor(totalTime() / math::abs(speed));
}

void AnimatedContainer::showFor(float seconds) {
  if (seconds > 0) {
    m_timedShow = true;
    m_remaining = seconds;
  } else {
    setVisible(false);
  }
}

void AnimatedContainer::rewindToEnd() { m_time = totalTime(); }

void AnimatedContainer::update(float dt) {
  Widget::update(dt);
  m_time += dt * m_speed;
  if (!m_timedShow)
    return;
  m_remaining -= dt;
  if (m_remaining <= 0) {
    setVisible(false);
    m_timedShow = false;
  }
}

bool AnimatedContainer::handleEvent(const framework::InputEvent &event) {
  return !m_timedShow && Widget::handleEvent(event);
}

void AnimatedContainer::draw(video::Canvas &canvas) {
  m_pushed = nullptr;
  if (animation::Skeleton *posed = skeleton()) {
    posed->animate(m_time);
    m_pushed = &posed->root();
    m_pushed->beginRender(canvas);
  }
}

void AnimatedContainer::drawAfterChildren(video::Canvas &canvas) {
  if (m_pushed)
    m_pushed->endRender(canvas);
  m_pushed = nullptr;
}

void AnimatedContainer::serialize(file::ByteReceiver &out) const {
  Widget::serialize(out);
  file::write(m_animation, out);
  file::write(m_time, out);
  file::write(m_speed, out);
  file::write(m_timedShow, out);
  file::write(m_remaining, out);
}

void AnimatedContainer::deserialize(file::ByteProducer &in) {
  Widget::deserialize(in);
  file::read(m_animation, in);
  file::read(m_time, in);
  file::read(m_speed, in);
  file::read(m_timedShow, in);
  file::read(m_remaining, in);
}

} // namespace GUI
