#include "animation/TextureAnimations.h"

#include "animation/AnimationDefinition.h"
#include "video/TextureAnimationAccess.h"

namespace animation {

namespace {

class Access : public video::TextureAnimationAccess {
public:
  AnimationDefinition *copy(const AnimationDefinition &animation) override {
    return new AnimationDefinition(animation);
  }
  void destroy(AnimationDefinition *animation) override { delete animation; }
  AnimationDefinition *load(const quip::Dictionary &dictionary) override {
    auto *animation = new AnimationDefinition;
    animation->load(dictionary);
    return animation;
  }
  void save(const AnimationDefinition &animation, quip::Dictionary &dictionary) override {
    animation.save(dictionary);
  }
  AnimationDefinition *read(file::ByteProducer &in) override {
    auto *animation = new AnimationDefinition;
    if (animation->deserialize(in))
      return animation;
    delete animation;
    return nullptr;
  }
  void write(const AnimationDefinition &animation, file::ByteReceiver &out) override {
    animation.serialize(out);
  }
  void evaluate(const AnimationDefinition &animation, AnimationState &out, float time) override {
    animation.evaluate(out, time);
  }
};

} // namespace

void installTextureAnimations() {
  static Access access;
  video::TextureAnimationAccess::setInstance(&access);
}

} // namespace animation
