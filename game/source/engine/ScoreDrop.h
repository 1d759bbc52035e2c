#pragma once
// The points of a lone scoring event rising from where they were earned: a
// short-lived marker that the level draws with one of its score images.

#include "engine/GameObject.h"
#include "math/Box3D.h"
#include "math/Color.h"
#include "math/Spatial3D.h"

#include <cstdint>

class ScoreDrop : public GameObject, public math::Spatial3D {
public:
  // Seconds a drop shows, fully opaque for the first half.
  static constexpr float lifetime = 0.6f;

  // The image of 25 points is 0, of 50 is 1, ..., of 225 and more is 8;
  // fewer than 25 take the first.
  ScoreDrop(Level &level, int points);

  // Nothing once dead; dies when older than its lifetime.
  void update(float dt) override;
  math::Vector3 getPosition() const override { return position; }

  // White, fading out over the second half of its life.
  math::Color color() const;
  // A cell's square around the position.
  math::Box3D bounds() const;

  uint32_t image() const { return m_image; }
  float age() const { return m_age; }

private:
  uint32_t m_image;
  float m_age = 0.0f;
};
