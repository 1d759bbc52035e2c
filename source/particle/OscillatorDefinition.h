#pragma once
// One aspect of whatever is drawn after it swung around a value by a sine
// wave whose size and speed may die away: the colour or one of its
// channels, the uniform or one-axis scale, or the rotation. Drops apply each
// running one before drawing their content and undo it afterwards.

#include <cstdint>

namespace quip {
class Dictionary;
}
namespace video {
class Canvas;
}

class OscillatorDefinition {
public:
  enum Target {
    COLOR,
    RED,
    GREEN,
    BLUE,
    ALPHA,
    SCALE,
    SCALE_X,
    SCALE_Y,
    ROTATION,
    // A "target" text outside the table: applying does nothing.
    NONE
  };

  // Each key where present: "target" (a symbol), "initialValue",
  // "magnitude", "magnitudeDecay", "frequency", "frequencyDecay", "offset",
  // "lifespan".
  void read(const quip::Dictionary &dictionary);
  // initialValue + m sin(offset + f t), where the magnitude m and the
  // frequency f (radians per second) decay linearly to 0 with t.
  float value(float t) const;
  // Past a lifespan that is not negative, or of no magnitude at all (the
  // stored one, not the decayed one).
  bool isFinished(float t) const;
  // Pushes the colour (targets COLOR to ALPHA) or the matrix (SCALE to
  // ROTATION) and changes it by the value at t; unapply pops it.
  void apply(video::Canvas &canvas, float t) const;
  void unapply(video::Canvas &canvas) const;

  int target = SCALE;
  float initialValue = 1.0f;
  float magnitude = 1.0f;
  float magnitudeDecay = 0.0f;
  float frequency = 1.0f;
  float frequencyDecay = 0.0f;
  float offset = 0.0f;
  // Negative: unlimited.
  float lifespan = -1.0f;
};
