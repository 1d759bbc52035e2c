#include "math/Noise.h"

#include <cmath>
#include <cstdint>

namespace math {

namespace {

// The reference permutation, twice in a row so that indices up to 511 need
// no wrap.
struct Permutation {
  int32_t p[512];
  constexpr Permutation() : p() {
    constexpr int32_t reference[256] = {
        151, 160, 137, 91,  90,  15,  131, 13,  201, 95,  96,  53,  194, 233, 7,   225, 140, 36,
        103, 30,  69,  142, 8,   99,  37,  240, 21,  10,  23,  190, 6,   148, 247, 120, 234, 75,
        0,   26,  197, 62,  94,  252, 219, 203, 117, 35,  11,  32,  57,  177, 33,  88,  237, 149,
        56,  87,  174, 20,  125, 136, 171, 168, 68,  175, 74,  165, 71,  134, 139, 48,  27,  166,
        77,  146, 158, 231, 83,  111, 229, 122, 60,  211, 133, 230, 220, 105, 92,  41,  55,  46,
        245, 40,  244, 102, 143, 54,  65,  25,  63,  161, 1,   216, 80,  73,  209, 76,  132, 187,
        208, 89,  18,  169, 200, 196, 135, 130, 116, 188, 159, 86,  164, 100, 109, 198, 173, 186,
        3,   64,  52,  217, 226, 250, 124, 123, 5,   202, 38,  147, 118, 126, 255, 82,  85,  212,
        207, 206, 59,  227, 47,  16,  58,  17,  182, 189, 28,  42,  223, 183, 170, 213, 119, 248,
        152, 2,   44,  154, 163, 70,  221, 153, 101, 155, 167, 43,  172, 9,   129, 22,  39,  253,
        19,  98,  108, 110, 79,  113, 224, 232, 178, 185, 112, 104, 218, 246, 97,  228, 251, 34,
        242, 193, 238, 210, 144, 12,  191, 179, 162, 241, 81,  51,  145, 235, 249, 14,  239, 107,
        49,  192, 214, 31,  181, 199, 106, 157, 184, 84,  204, 176, 115, 121, 50,  45,  127, 4,
        150, 254, 138, 236, 205, 93,  222, 114, 67,  29,  24,  72,  243, 141, 128, 195, 78,  66,
        215, 61,  156, 180,
    };
    for (int i = 0; i < 256; ++i)
      p[i] = p[i + 256] = reference[i];
  }
};

constexpr Permutation permutation;

// The lattice coordinate's low bits; also for values beyond the int range,
// whose low bits the remainder keeps exactly.
int lattice(float f) {
  if (f >= -2147483648.0f && f < 2147483648.0f)
    return int(f);
  if (std::isnan(f))
    return 0;
  return int(std::fmod(double(f), 256.0));
}

float fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

float lerp(float t, float a, float b) { return a + (b - a) * t; }

float grad(int hash, float x, float y, float z) {
  const int h = hash & 15;
  const float a = h < 8 ? x : y;
  const float b = h < 4 ? y : (h == 12 || h == 14 ? x : z);
  return ((h & 1) == 0 ? a : -a) + ((h & 2) == 0 ? b : -b);
}

} // namespace

float perlinNoise(const Vector3 &point) {
  const int32_t *P = permutation.p;
  float x = point.x, y = point.y, z = point.z;
  const float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  const int X = lattice(fx) & 255, Y = lattice(fy) & 255, Z = lattice(fz) & 255;
  x -= fx;
  y -= fy;
  z -= fz;
  const float u = fade(x), v = fade(y), w = fade(z);
  const int A = P[X] + Y, AA = P[A] + Z, AB = P[A + 1] + Z;
  const int B = P[X + 1] + Y, BA = P[B] + Z, BB = P[B + 1] + Z;
  return lerp(
      w,
      lerp(v, lerp(u, grad(P[AA], x, y, z), grad(P[BA], x - 1, y, z)),
           lerp(u, grad(P[AB], x, y - 1, z), grad(P[BB], x - 1, y - 1, z))),
      lerp(v, lerp(u, grad(P[AA + 1], x, y, z - 1), grad(P[BA + 1], x - 1, y, z - 1)),
           lerp(u, grad(P[AB + 1], x, y - 1, z - 1), grad(P[BB + 1], x - 1, y - 1, z - 1))));
}

float fractalNoise(const Vector3 &p, unsigned int octaves, float persistence) {
  float sum = 0;
  for (unsigned int i = 0; i < octaves; ++i) {
    const float frequency = float(std::pow(2.0, double(i)));
    const float amplitude = float(std::pow(double(persistence), double(i)));
    sum += perlinNoise(p * frequency) * amplitude;
  }
  return sum;
}

float fractalNoise(const Vector3 &p, unsigned int octaves, float lacunarity, float gain) {
  Vector3 q = p;
  float a = 1, sum = 0;
  for (unsigned int i = 0; i < octaves; ++i) {
    sum += perlinNoise(q) * a;
    a *= gain;
    q *= lacunarity;
  }
  return sum;
}

PerlinNoise::PerlinNoise() {
  offset.setRandomDirection();
  drift.setRandomDirection();
}

float PerlinNoise::sample(const Vector3 &p) const {
  return perlinNoise(offset + drift * (speed * time) + p);
}

} // namespace math
