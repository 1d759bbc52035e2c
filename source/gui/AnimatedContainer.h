#pragma once
// A container whose children draw under the transform and colour of a
// skeleton animation's root node, posed at the container's own time. It can
// show itself for a while and then hide; while so timed it takes no events.

#include "gui/Widget.h"
#include "xstring/Symbol.h"

namespace animation {
class Node;
class Skeleton;
} // namespace animation

namespace GUI {

class AnimatedContainer : public Widget {
public:
  void update(float dt) override;
  bool handleEvent(const framework::InputEvent &event) override;
  void draw(video::Canvas &canvas) override;
  void drawAfterChildren(video::Canvas &canvas) override;
  void serialize(file::ByteReceiver &out) const override;
  void deserialize(file::ByteProducer &in) override;

  // A different name starts it at time 0 and speed 1.
  void setAnimation(Symbol name);
  bool hasAnimation() const { return !m_animation.isEmpty(); }
  // From the start, or from the end when running backwards; visible with no
  // time limit.
  void play(Symbol name, float speed);
  // Plays, and hides once the animation has run through at that speed.
  void playAndHide(Symbol name, float speed);
  // Visible for that long, then hidden; hidden at once for no time.
  void showFor(float seconds);
  void rewindToEnd();

  Symbol animation() const { return m_animation; }
  float time() const { return m_time; }
  float speed() const { return m_speed; }
  bool timedShow() const { return m_timedShow; }
  float remaining() const { return m_remaining; }

private:
  // Null without an animation or a store.
  animation::Skeleton *skeleton() const;
  float totalTime() const;

  Symbol m_animation;
  float m_time = 0;
  float m_speed = 1.0f;
  bool m_timedShow = false;
  float m_remaining = 0;
  // The root node pushed by draw, popped after the children.
  animation::Node *m_pushed = nullptr;
};

} // namespace GUI
