#include "engine/LevelBatches.h"

#include "engine/Block.h"
#include "engine/BlockColors.h"

LevelBatches::LevelBatches() {
  static const Symbol blocks[blockCount] = {
      SYM(L"blockBlueSingle"),        SYM(L"blockGreenSingle"), SYM(L"blockMagentaSingle"),
      SYM(L"blockOrangeSingle"),      SYM(L"blockRedSingle"),   SYM(L"blockTealSingle"),
      SYM(L"blockUnbreakableSingle"), SYM(L"blockRoundSingle"), SYM(L"blockStone")};
  for (uint32_t i = 0; i < blockCount; ++i)
    m_blocks[i] = new SpriteBatch(blocks[i]);
  m_coin = new SpriteBatch(SYM(L"coin"));
  m_neutron = new SpriteBatch(SYM(L"neutronRainbow"));
  m_sparkle = new SpriteBatch(SYM(L"sparkle"));
  m_ice = new SpriteBatch(SYM(L"iceCube"));
  static const Symbol tar[tarCount] = {SYM(L"dot"), SYM(L"dot"), SYM(L"tarBallEye"), SYM(L"dot")};
  for (uint32_t i = 0; i < tarCount; ++i)
    m_tar[i] = new SpriteBatch(tar[i]);
  static const Symbol worm[wormCount] = {SYM(L"wormBodyUnbreakable"), SYM(L"wormBodyBreakable"),
                                         SYM(L"wormBodyBreakable")};
  for (uint32_t i = 0; i < wormCount; ++i)
    m_worm[i] = new SpriteBatch(worm[i]);
}

LevelBatches::~LevelBatches() {
  for (SpriteBatch *batch : m_blocks)
    delete batch;
  delete m_coin;
  delete m_neutron;
  delete m_sparkle;
  delete m_ice;
  for (SpriteBatch *batch : m_tar)
    delete batch;
  for (SpriteBatch *batch : m_worm)
    delete batch;
}

uint32_t LevelBatches::blockIndex(unsigned kind, unsigned color) {
  switch (kind) {
  case Block::NORMAL:
    return color < COLOR_COUNT ? color : none;
  case Block::UNBREAKABLE:
    return 6;
  case Block::ROUND:
    return 7;
  case Block::STONE:
    return 8;
  default:
    return none;
  }
}

void LevelBatches::drawBlocks(video::Canvas &canvas, float pixels) {
  for (SpriteBatch *batch : m_blocks)
    batch->draw(canvas, pixels);
}
