#pragma once
// One of the bolts that circle the ball while it holds the lightning power:
// it turns on two angles, lives a random while and then starts anew, and
// switches between the three bolt shapes at random moments.

#include <cstdint>

struct LightningOrbiter {
  // Degrees, and degrees per second.
  float yaw = 0.0f;
  float pitch = 0.0f;
  float yawSpeed = 0.0f;
  float pitchSpeed = 0.0f;
  // Seconds.
  float age = 0.0f;
  float lifetime = 0.0f;
  // Which of the three bolt textures, 0 to 2.
  uint32_t shape = 0;
  float shapeTimer = 0.0f;

  // A new bolt from the process-wide random stream.
  void randomize();
  void update(float dt);
  // The bolt's size: growing in over its first 0.05 s, shrinking out over
  // its last, 0 after its lifetime.
  float fade() const;
};
