#pragma once
// What a render pass asks of its texture animation, an animation definition
// that it owns. The animation module installs the real answers; until one is
// installed no pass has a texture animation: the dictionary key is ignored
// and a binary record that holds one cannot be read.

namespace animation {
class AnimationDefinition;
struct AnimationState;
} // namespace animation
namespace quip {
class Dictionary;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace video {

class TextureAnimationAccess {
public:
  virtual ~TextureAnimationAccess() = default;
  virtual animation::AnimationDefinition *copy(const animation::AnimationDefinition &animation) = 0;
  virtual void destroy(animation::AnimationDefinition *animation) = 0;
  // A new definition loaded from its dictionary form.
  virtual animation::AnimationDefinition *load(const quip::Dictionary &dictionary) = 0;
  virtual void save(const animation::AnimationDefinition &animation,
                    quip::Dictionary &dictionary) = 0;
  // A new definition read from its binary form; null when it cannot be read.
  virtual animation::AnimationDefinition *read(file::ByteProducer &in) = 0;
  virtual void write(const animation::AnimationDefinition &animation, file::ByteReceiver &out) = 0;
  virtual void evaluate(const animation::AnimationDefinition &animation,
                        animation::AnimationState &out, float time) = 0;

  // Not owned; null removes it.
  static void setInstance(TextureAnimationAccess *access);
  static TextureAnimationAccess *instance();
};

} // namespace video
