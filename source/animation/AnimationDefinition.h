#pragma once
// How the 2-D look of one thing changes over time: a base colour, scale,
// translation and rotation, each component optionally driven by a key-frame
// channel. Evaluating it at a time gives an animation state. Channels are
// named ("translationX" .. "colorA", and "scale" for both scale axes) and
// numbered 0 to 8; the definition owns them.

#include "math/Animatable.h"
#include "math/AnimatedColor.h"
#include "math/AnimatedFloat.h"
#include "math/AnimatedVector2.h"
#include "video/AnimationState.h"

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace animation {

class AnimationDefinition : public math::Animatable {
public:
  enum ChannelIndex {
    TRANSLATION_X,
    TRANSLATION_Y,
    ROTATION,
    SCALE_X,
    SCALE_Y,
    COLOR_R,
    COLOR_G,
    COLOR_B,
    COLOR_A,
    CHANNEL_COUNT
  };

  AnimationDefinition();
  // Every channel is copied.
  AnimationDefinition(const AnimationDefinition &other) = default;
  AnimationDefinition &operator=(const AnimationDefinition &other) = default;
  ~AnimationDefinition() override = default;

  // The channels of "channels", then the scale base back to (1, 1), then
  // "initialColor", "initialScale", "initialTranslation" and
  // "initialRotation" where present.
  bool load(const quip::Dictionary &dictionary) override;
  // Only what differs from a fresh definition.
  void save(quip::Dictionary &dictionary) const;

  // By name; other names go to the base (null, the channel deleted).
  math::Channel *getChannel(Symbol name) const override;
  void setChannel(Symbol name, math::Channel *channel) override;
  // By index; an index above 8 names no channel.
  void setChannel(int index, math::Channel *channel);
  math::Channel *channel(int index) const;
  static Symbol channelName(int index);
  // "scale", the uniform scale channel (it has no index).
  static Symbol uniformScaleName();

  // The base value of one component by its channel name; 0 (and ignored)
  // for any other name.
  void setInitialValue(Symbol name, float value);
  float initialValue(Symbol name) const;

  const math::Color &initialColor() const { return m_color.value(); }
  void setInitialColor(const math::Color &color) { m_color.setValue(color); }
  const math::Vector2 &initialScale() const { return m_scale.value(); }
  void setInitialScale(const math::Vector2 &scale) { m_scale.setValue(scale); }
  const math::Vector2 &initialTranslation() const { return m_translation.value(); }
  void setInitialTranslation(const math::Vector2 &t) { m_translation.setValue(t); }
  float initialRotation() const { return m_rotation.value(); }
  void setInitialRotation(float degrees) { m_rotation.setValue(degrees); }

  // Deletes every channel, the uniform scale channel included.
  void clearChannels();
  // No channels and the fresh base values.
  void reset();

  void evaluate(AnimationState &out, float time) const;
  // The latest end time of any channel; 0 without channels.
  float duration() const;
  bool isAnimated() const;
  // True when the binary form would hold no group.
  bool isDefault() const;

  // A group mask, then each group not at its default. A channel whose frames
  // have no binary form is left out with a warning (false then); the record
  // stays whole.
  bool serialize(file::ByteReceiver &out) const;
  // Starts from a fresh definition; false (the definition reset) when the
  // record is cut short.
  bool deserialize(file::ByteProducer &in);

private:
  math::AnimatedColor m_color;
  math::AnimatedVector2 m_scale;
  math::AnimatedVector2 m_translation;
  math::AnimatedFloat m_rotation;
};

} // namespace animation
