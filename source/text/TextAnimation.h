#pragma once
// The animation settings of a text style: a per-character animation that
// starts characterDelay later for each next character, and a sine wave that
// moves the characters up and down along the line.

#include "video/AnimationState.h"

namespace quip {
class Dictionary;
}

namespace animation {
class AnimationDefinition;
}

class TextAnimation {
public:
  TextAnimation() = default;
  // The copy has its own copy of the animation definition.
  TextAnimation(const TextAnimation &other);
  TextAnimation &operator=(const TextAnimation &other);
  ~TextAnimation();

  // The time runs only while animate is set.
  void update(float dt);
  // The animation at max(time - index x characterDelay, 0); the state is
  // left alone without an animation.
  void characterState(animation::AnimationState &out, int index) const;
  // The wave's height at x along the line.
  float waveOffset(float x) const;
  // "animate", "animation", "animationTime", "characterDelay", "frequency",
  // "magnitude", "offset", "slope", "waveSpeed", "animateWave".
  void read(const quip::Dictionary &dictionary);

  animation::AnimationDefinition *animation() const { return m_animation; }
  // Takes ownership; the previous definition is deleted.
  void setAnimation(animation::AnimationDefinition *animation);

  bool animate = true;
  float animationTime = 0.0f;
  float characterDelay = 0.0f;
  float frequency = 1.0f;
  float magnitude = 1.0f;
  float offset = 0.0f;
  float slope = 0.0f;
  float waveSpeed = 1.0f;
  bool animateWave = false;

private:
  animation::AnimationDefinition *m_animation = nullptr;
};
