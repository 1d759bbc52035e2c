#pragma once
// Smooth pseudo-random values over 3-D space: the improved gradient noise
// with its reference permutation, two fractal sums of it, and a source whose
// sampling point drifts through the field with time. Single precision, no
// state and no allocation.

#include "math/Vector3.h"

namespace math {

// Roughly in [-1, 1]; 0 at every integer lattice point.
float perlinNoise(const Vector3 &p);
// Octave i samples p * 2^i weighted by persistence^i; 0 for no octaves.
float fractalNoise(const Vector3 &p, unsigned int octaves, float persistence);
// Each octave scales the point by lacunarity and the weight by gain.
float fractalNoise(const Vector3 &p, unsigned int octaves, float lacunarity, float gain);

// A noise source for wobbles: the owner advances time; speed scales it.
class PerlinNoise {
public:
  float time = 0;
  float speed = 1;
  Vector3 offset;
  Vector3 drift;

  // Random offset and drift directions, so two sources made one after the
  // other sample different regions and drift apart.
  PerlinNoise();

  float sample(const Vector3 &p) const;
  // Changes smoothly with time.
  float sample() const { return sample(Vector3(0, 0, 0)); }
};

} // namespace math
