#pragma once
// The level's sprite batches, one per texture: the blocks by kind and
// colour, and the small things of pass 5. Filled in the drawing passes and
// emptied as they draw, so a frame allocates only when a batch grows.

#include "engine/SpriteBatch.h"

#include <cstdint>

class LevelBatches {
public:
  static constexpr uint32_t blockCount = 9;
  static constexpr uint32_t tarCount = 4;
  static constexpr uint32_t wormCount = 3;
  // No block batch for the kind and colour.
  static constexpr uint32_t none = 0xFFFFFFFFu;

  LevelBatches();
  ~LevelBatches();
  LevelBatches(const LevelBatches &) = delete;
  LevelBatches &operator=(const LevelBatches &) = delete;

  // Normal blocks by colour 0 to 5, then unbreakable, round and stone;
  // `none` for the others, which draw themselves.
  static uint32_t blockIndex(unsigned kind, unsigned color);

  SpriteBatch &block(uint32_t i) { return *m_blocks[i]; }
  SpriteBatch &coin() { return *m_coin; }
  SpriteBatch &neutron() { return *m_neutron; }
  SpriteBatch &sparkle() { return *m_sparkle; }
  SpriteBatch &ice() { return *m_ice; }
  SpriteBatch &tar(uint32_t i) { return *m_tar[i]; }
  SpriteBatch &worm(uint32_t i) { return *m_worm[i]; }
  // Each of the nine block batches.
  void drawBlocks(video::Canvas &canvas, float pixels);

private:
  SpriteBatch *m_blocks[blockCount];
  SpriteBatch *m_coin;
  SpriteBatch *m_neutron;
  SpriteBatch *m_sparkle;
  SpriteBatch *m_ice;
  SpriteBatch *m_tar[tarCount];
  SpriteBatch *m_worm[wormCount];
};
