// The dictionary form of an animation definition.

#include "animation/AnimationDefinition.h"
#include "animation/AnimationNames.h"
#include "math/ColorScript.h"
#include "quip/Token.h"

namespace animation {

bool AnimationDefinition::load(const quip::Dictionary &d) {
  bool ok = math::Animatable::load(d);
  m_scale.setValue(math::Vector2(1.0f, 1.0f));
  const AnimationNames &n = animationNames();
  if (const quip::Token *t = d.lookup(n.initialColor)) {
    math::Color color = m_color.value();
    if (t->get(color))
      m_color.setValue(color);
  }
  if (const quip::Token *t = d.lookup(n.initialScale)) {
    math::Vector2 scale = m_scale.value();
    if (t->get(scale))
      m_scale.setValue(scale);
  }
  if (const quip::Token *t = d.lookup(n.initialTranslation)) {
    math::Vector2 translation = m_translation.value();
    if (t->get(translation))
      m_translation.setValue(translation);
  }
  if (const quip::Token *t = d.lookupTyped(n.initialRotation, quip::TYPE_NUMBER)) {
    float rotation = m_rotation.value();
    if (t->get(rotation))
      m_rotation.setValue(rotation);
  }
  return ok;
}

void AnimationDefinition::save(quip::Dictionary &d) const {
  const AnimationNames &n = animationNames();
  const math::Color &color = m_color.value();
  if (!(color == math::Color::white))
    d.set(n.initialColor, quip::toToken(color));
  const math::Vector2 &scale = m_scale.value();
  if (scale.x != 1.0f || scale.y != 1.0f)
    d.set(n.initialScale, scale.toToken());
  const math::Vector2 &translation = m_translation.value();
  if (translation.x != 0.0f || translation.y != 0.0f)
    d.set(n.initialTranslation, translation.toToken());
  if (m_rotation.value() != 0.0f)
    d.set(n.initialRotation, quip::Token(m_rotation.value()));

  // Colour, the uniform scale, the scale axes, translation, rotation.
  struct Named {
    Symbol name;
    const math::Channel *channel;
  };
  const Named order[] = {
      {n.channels[COLOR_R], m_color.channelR()},
      {n.channels[COLOR_G], m_color.channelG()},
      {n.channels[COLOR_B], m_color.channelB()},
      {n.channels[COLOR_A], m_color.channelA()},
      {n.scale, m_scale.channel()},
      {n.channels[SCALE_X], m_scale.channelX()},
      {n.channels[SCALE_Y], m_scale.channelY()},
      {n.channels[TRANSLATION_X], m_translation.channelX()},
      {n.channels[TRANSLATION_Y], m_translation.channelY()},
      {n.channels[ROTATION], m_rotation.channel()},
  };
  quip::Dictionary channels;
  bool any = false;
  for (const Named &entry : order) {
    if (!entry.channel)
      continue;
    quip::Dictionary form;
    entry.channel->save(form);
    channels.set(entry.name, quip::Token(form));
    any = true;
  }
  if (any)
    d.set(n.channelsKey, quip::Token(channels));
}

} // namespace animation
