#include "animation/AnimationDefinition.h"

#include "animation/AnimationNames.h"

#include <algorithm>

namespace animation {

const AnimationNames &animationNames() {
  static const AnimationNames names;
  return names;
}

namespace {

// The channel index of a name; -1 for "scale" and for names of no channel.
int indexOf(Symbol name) {
  const AnimationNames &n = animationNames();
  for (int i = 0; i < AnimationDefinition::CHANNEL_COUNT; ++i)
    if (n.channels[i] == name)
      return i;
  return -1;
}

} // namespace

AnimationDefinition::AnimationDefinition() : m_scale(math::Vector2(1.0f, 1.0f)) {}

Symbol AnimationDefinition::channelName(int index) {
  if (index < 0 || index >= CHANNEL_COUNT)
    return Symbol::emptySymbol();
  return animationNames().channels[index];
}

Symbol AnimationDefinition::uniformScaleName() { return animationNames().scale; }

math::Channel *AnimationDefinition::getChannel(Symbol name) const {
  if (name == animationNames().scale)
    return m_scale.channel();
  int index = indexOf(name);
  return index >= 0 ? channel(index) : math::Animatable::getChannel(name);
}

void AnimationDefinition::setChannel(Symbol name, math::Channel *channel) {
  if (name == animationNames().scale) {
    m_scale.setChannel(channel);
    return;
  }
  int index = indexOf(name);
  if (index >= 0)
    setChannel(index, channel);
  else
    math::Animatable::setChannel(name, channel);
}

math::Channel *AnimationDefinition::channel(int index) const {
  switch (index) {
  case TRANSLATION_X:
    return m_translation.channelX();
  case TRANSLATION_Y:
    return m_translation.channelY();
  case ROTATION:
    return m_rotation.channel();
  case SCALE_X:
    return m_scale.channelX();
  case SCALE_Y:
    return m_scale.channelY();
  case COLOR_R:
    return m_color.channelR();
  case COLOR_G:
    return m_color.channelG();
  case COLOR_B:
    return m_color.channelB();
  case COLOR_A:
    return m_color.channelA();
  default:
    return nullptr;
  }
}

void AnimationDefinition::setChannel(int index, math::Channel *channel) {
  switch (index) {
  case TRANSLATION_X:
    return m_translation.setChannelX(channel);
  case TRANSLATION_Y:
    return m_translation.setChannelY(channel);
  case ROTATION:
    return m_rotation.setChannel(channel);
  case SCALE_X:
    return m_scale.setChannelX(channel);
  case SCALE_Y:
    return m_scale.setChannelY(channel);
  case COLOR_R:
    return m_color.setChannelR(channel);
  case COLOR_G:
    return m_color.setChannelG(channel);
  case COLOR_B:
    return m_color.setChannelB(channel);
  case COLOR_A:
    return m_color.setChannelA(channel);
  default:
    // Owned from the call on: a channel nothing can hold goes at once.
    delete channel;
  }
}

void AnimationDefinition::setInitialValue(Symbol name, float value) {
  math::Color color = m_color.value();
  math::Vector2 scale = m_scale.value(), translation = m_translation.value();
  switch (indexOf(name)) {
  case TRANSLATION_X:
    translation.x = value;
    break;
  case TRANSLATION_Y:
    translation.y = value;
    break;
  case ROTATION:
    m_rotation.setValue(value);
    return;
  case SCALE_X:
    scale.x = value;
    break;
  case SCALE_Y:
    scale.y = value;
    break;
  case COLOR_R:
    color.r = value;
    break;
  case COLOR_G:
    color.g = value;
    break;
  case COLOR_B:
    color.b = value;
    break;
  case COLOR_A:
    color.a = value;
    break;
  default:
    return;
  }
  m_color.setValue(color);
  m_scale.setValue(scale);
  m_translation.setValue(translation);
}

float AnimationDefinition::initialValue(Symbol name) const {
  switch (indexOf(name)) {
  case TRANSLATION_X:
    return m_translation.value().x;
  case TRANSLATION_Y:
    return m_translation.value().y;
  case ROTATION:
    return m_rotation.value();
  case SCALE_X:
    return m_scale.value().x;
  case SCALE_Y:
    return m_scale.value().y;
  case COLOR_R:
    return m_color.value().r;
  case COLOR_G:
    return m_color.value().g;
  case COLOR_B:
    return m_color.value().b;
  case COLOR_A:
    return m_color.value().a;
  default:
    return 0.0f;
  }
}

void AnimationDefinition::clearChannels() {
  for (int i = 0; i < CHANNEL_COUNT; ++i)
    setChannel(i, nullptr);
  m_scale.setChannel(nullptr);
  m_translation.setChannel(nullptr);
}

void AnimationDefinition::reset() {
  clearChannels();
  m_color.setValue(math::Color::white);
  m_scale.setValue(math::Vector2(1.0f, 1.0f));
  m_translation.setValue(math::Vector2());
  m_rotation.setValue(0.0f);
}

void AnimationDefinition::evaluate(AnimationState &out, float time) const {
  out.color = m_color.evaluate(time);
  out.scale = m_scale.evaluate(time);
  out.translation = m_translation.evaluate(time);
  out.rotation = m_rotation.evaluate(time);
}

float AnimationDefinition::duration() const {
  return std::max(std::max(m_color.duration(), m_scale.duration()),
                  std::max(m_translation.duration(), m_rotation.duration()));
}

bool AnimationDefinition::isAnimated() const {
  for (int i = 0; i < CHANNEL_COUNT; ++i)
    if (channel(i))
      return true;
  return m_scale.channel() || m_translation.channel();
}

bool AnimationDefinition::isDefault() const {
  return m_color.isDefault() && m_scale.isDefault() && m_translation.isDefault() &&
         m_rotation.isDefault();
}

} // namespace animation
