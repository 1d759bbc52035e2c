#include "gui/AppearAnimations.h"

#include "animation/AnimationDefinition.h"
#include "gui/Widget.h"
#include "math/Channel.h"
#include "math/FinalFrame.h"
#include "math/ValueFrame.h"

namespace GUI {

namespace {

enum Tween { LINEAR = 1, EASE_IN_OUT = 2, EASE_IN = 3, EASE_OUT = 4 };
enum WidgetState { ENTER = 0, EXIT = 2 };
constexpr float OVERSHOOT = 0.1f;

// The frames every channel starts with: start held from 0, then the move
// by delta (plus the overshoot) beginning at t.
math::Channel *startChannel(float start, float t, float delta, int tween) {
  auto *channel = new math::Channel;
  channel->addFrame(new math::ValueFrame(0.0f, LINEAR, start, false));
  channel->addFrame(new math::ValueFrame(t, tween, delta, true));
  return channel;
}

void addRelative(math::Channel *channel, float time, float value) {
  channel->addFrame(new math::ValueFrame(time, EASE_IN_OUT, value, true));
}

math::Channel *moveChannel(float start, float t, float delta, float d, int tween, bool bounce) {
  return bounce ? makeBounceChannel(start, t, delta, d, tween, OVERSHOOT)
                : makeChannel(start, t, delta, d, tween);
}

} // namespace

math::Channel *makeChannel(float start, float t, float delta, float d, int tween) {
  math::Channel *channel = startChannel(start, t, delta, tween);
  channel->addFrame(new math::FinalFrame(t + d));
  return channel;
}

math::Channel *makeBounceChannel(float start, float t, float delta, float d, int tween,
                                 float overshoot) {
  math::Channel *channel = startChannel(start, t, delta + overshoot, tween);
  addRelative(channel, t + 0.5f * d, -1.3f * overshoot);
  addRelative(channel, t + 0.75f * d, 0.3f * overshoot);
  channel->addFrame(new math::FinalFrame(t + d));
  return channel;
}

math::Channel *makeSwingChannel(float start, float t, float delta, float d, int tween,
                                float overshoot) {
  math::Channel *channel = startChannel(start, t, delta + overshoot, tween);
  addRelative(channel, t + 0.5f * d, -overshoot);
  channel->addFrame(new math::FinalFrame(t + d));
  return channel;
}

void addAppearAnimations(Widget *widget, float t, float dIn, float dOut, bool bounce) {
  Symbol scale = animation::AnimationDefinition::uniformScaleName();
  auto *enter = new animation::AnimationDefinition;
  enter->setChannel(scale, moveChannel(0.0f, t, 1.0f, dIn, EASE_IN_OUT, bounce));
  widget->setAnimation(ENTER, enter);
  auto *exit = new animation::AnimationDefinition;
  exit->setChannel(scale, makeChannel(1.0f, t, -1.0f, dOut, LINEAR));
  widget->setAnimation(EXIT, exit);
}

void addMoveInAnimation(Widget *widget, math::Vector2 offset, float t, float d, bool bounce) {
  using Definition = animation::AnimationDefinition;
  auto *enter = new Definition;
  enter->setChannel(Definition::TRANSLATION_X,
                    moveChannel(offset.x, t, -offset.x, d, EASE_OUT, bounce));
  enter->setChannel(Definition::TRANSLATION_Y,
                    moveChannel(offset.y, t, -offset.y, d, EASE_OUT, bounce));
  widget->setAnimation(ENTER, enter);
}

void addMoveOutAnimation(Widget *widget, math::Vector2 offset, float t, float d) {
  using Definition = animation::AnimationDefinition;
  auto *exit = new Definition;
  exit->setChannel(Definition::TRANSLATION_X, makeChannel(0.0f, t, offset.x, d, EASE_IN));
  exit->setChannel(Definition::TRANSLATION_Y, makeChannel(0.0f, t, offset.y, d, EASE_IN));
  widget->setAnimation(EXIT, exit);
}

void addMoveAnimations(Widget *widget, math::Vector2 offset, float t, float dIn, float dOut,
                       bool bounce) {
  addMoveInAnimation(widget, offset, t, dIn, bounce);
  addMoveOutAnimation(widget, offset, t, dOut);
}

void addFadeIn(Widget *widget, float t, float d) {
  auto *enter = new animation::AnimationDefinition;
  enter->setChannel(animation::AnimationDefinition::COLOR_A, makeChannel(0.0f, t, 1.0f, d, LINEAR));
  widget->setAnimation(ENTER, enter);
}

void addFadeOut(Widget *widget, float t, float d) {
  auto *exit = new animation::AnimationDefinition;
  exit->setChannel(animation::AnimationDefinition::COLOR_A, makeChannel(1.0f, t, -1.0f, d, LINEAR));
  widget->setAnimation(EXIT, exit);
}

void addFade(Widget *widget, float t, float dIn, float dOut) {
  addFadeIn(widget, t, dIn);
  addFadeOut(widget, t, dOut);
}

} // namespace GUI
