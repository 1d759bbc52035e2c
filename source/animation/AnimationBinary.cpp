// The binary form of an animation definition: a group mask, then the colour,
// scale, translation and rotation groups that are not at their record
// defaults (white, (0, 0), (0, 0), 0, no channels).

#include "animation/AnimationDefinition.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"

namespace animation {

namespace {

// A channel the record can hold: none, or one of fixed frames only.
bool storable(const math::Channel *channel) { return !channel || channel->isBinaryWritable(); }

// Clears the channels the record cannot hold; false when there was one.
bool dropUnstorable(math::AnimatedColor &group) {
  bool whole = true;
  void (math::AnimatedColor::*setters[])(math::Channel *) = {
      &math::AnimatedColor::setChannelR, &math::AnimatedColor::setChannelG,
      &math::AnimatedColor::setChannelB, &math::AnimatedColor::setChannelA};
  const math::Channel *channels[] = {group.channelR(), group.channelG(), group.channelB(),
                                     group.channelA()};
  for (int i = 0; i < 4; ++i)
    if (!storable(channels[i])) {
      (group.*setters[i])(nullptr);
      whole = false;
    }
  return whole;
}

bool dropUnstorable(math::AnimatedVector2 &group) {
  bool whole = true;
  if (!storable(group.channel())) {
    group.setChannel(nullptr);
    whole = false;
  }
  if (!storable(group.channelX())) {
    group.setChannelX(nullptr);
    whole = false;
  }
  if (!storable(group.channelY())) {
    group.setChannelY(nullptr);
    whole = false;
  }
  return whole;
}

bool dropUnstorable(math::AnimatedFloat &group) {
  if (storable(group.channel()))
    return true;
  group.setChannel(nullptr);
  return false;
}

} // namespace

bool AnimationDefinition::serialize(file::ByteReceiver &out) const {
  math::AnimatedColor color = m_color;
  math::AnimatedVector2 scale = m_scale, translation = m_translation;
  math::AnimatedFloat rotation = m_rotation;
  // Every group is looked at, whatever the one before found.
  bool whole = dropUnstorable(color);
  whole = dropUnstorable(scale) && whole;
  whole = dropUnstorable(translation) && whole;
  whole = dropUnstorable(rotation) && whole;
  if (!whole)
    framework::reportError(
        L"Animation: a channel with frames that have no binary form was left out");

  uint8_t mask = uint8_t((color.isDefault() ? 0 : 1) | (scale.isDefault() ? 0 : 2) |
                         (translation.isDefault() ? 0 : 4) | (rotation.isDefault() ? 0 : 8));
  file::write(mask, out);
  if (mask & 1)
    color.write(out);
  if (mask & 2)
    scale.write(out);
  if (mask & 4)
    translation.write(out);
  if (mask & 8)
    rotation.write(out);
  return whole;
}

bool AnimationDefinition::deserialize(file::ByteProducer &in) {
  reset();
  uint8_t mask = 0;
  if (in.bytesRemaining() < 1)
    return false;
  file::read(mask, in);
  // Each group starts at its record default, whatever the fresh definition holds.
  bool ok = true;
  if (mask & 1) {
    math::AnimatedColor color;
    ok = color.read(in);
    m_color = color;
  }
  if (ok && (mask & 2)) {
    math::AnimatedVector2 scale;
    ok = scale.read(in);
    m_scale = scale;
  }
  if (ok && (mask & 4)) {
    math::AnimatedVector2 translation;
    ok = translation.read(in);
    m_translation = translation;
  }
  if (ok && (mask & 8)) {
    math::AnimatedFloat rotation;
    ok = rotation.read(in);
    m_rotation = rotation;
  }
  if (!ok)
    reset();
  return ok;
}

} // namespace animation
