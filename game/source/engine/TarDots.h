#pragma once
// The small dots of tar that every tar ball drips, in one list for the
// level: each flies off at random, slows and fades within a second; its
// record is then reused. Drawn in one batch.

#include "container/Vector.h"
#include "engine/SpriteBatch.h"
#include "math/Vector2.h"

#include <cstdint>

struct TarDot {
  math::Vector2 position;
  math::Vector2 velocity;
  float age = 0.0f;
  uint8_t active = 0;
};

class TarDots {
public:
  static constexpr float lifetime = 1.0f;
  static constexpr float speed = 10.0f;
  // The velocity kept each update.
  static constexpr float slowing = 0.88f;

  TarDots();
  TarDots(const TarDots &) = delete;
  TarDots &operator=(const TarDots &) = delete;

  // Into the first inactive record, else a new one, flying off at random.
  void add(const math::Vector2 &position);
  void update(float dt);
  // Every active dot, fading, its size growing in and shrinking out.
  void render(video::Canvas &canvas, float spriteSize);
  // The share of full size at the age.
  static float growth(float age);

  uint32_t recordCount() const { return m_dots.size(); }
  const TarDot &record(uint32_t i) const { return m_dots[i]; }

private:
  container::Vector<TarDot> m_dots;
  SpriteBatch m_batch;
};
