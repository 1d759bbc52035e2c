#pragma once
// The splashes of colour left where coloured blocks broke: a list of
// records that are reused once their splash has faded, drawn in one batch
// per splash image.

#include "container/Vector.h"
#include "engine/SpriteBatch.h"
#include "math/Color.h"
#include "math/Vector2.h"

#include <cstdint>

struct SplatterDrop {
  math::Vector2 position;
  math::Color color = math::Color::white;
  // Which splash image, 0 to 6.
  uint32_t texture = 0;
  float age = 0.0f;
  bool active = false;
};

class Splatter {
public:
  static constexpr uint32_t imageCount = 7;
  // Fully coloured this long, then fading out until gone.
  static constexpr float fadeStart = 0.55f;
  static constexpr float lifetime = 0.85f;
  // Grows from 70 % to full size this long.
  static constexpr float popTime = 0.25f;

  Splatter();
  ~Splatter();
  Splatter(const Splatter &) = delete;
  Splatter &operator=(const Splatter &) = delete;

  // Into the first inactive record, else a new one; a random image.
  void add(const math::Vector2 &position, const math::Color &color);
  void update(float dt);
  // Every active splash, sized from the level's sprite size.
  void render(video::Canvas &canvas, float spriteSize);

  uint32_t recordCount() const { return m_drops.size(); }
  const SplatterDrop &record(uint32_t i) const { return m_drops[i]; }
  // The splash's alpha factor and its size as a share of full size.
  static float fade(float age);
  static float pop(float age);

private:
  container::Vector<SplatterDrop> m_drops;
  SpriteBatch *m_batches[imageCount];
};
