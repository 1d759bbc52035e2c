#pragma once
// What the level, ball and block tests share: a level whose protected state
// the test can set, a canvas that records point sprites, a bank of the
// game's sounds on the dummy audio driver, and blocks placed by cell.

#include "SoundMaker.h"
#include "SoundPacker.h"
#include "audio/Library.h"
#include "audio/Player.h"
#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/BlockGrid.h"
#include "engine/Level.h"
#include "framework/CorvaneDatabase.h"
#include "support/RecordingCanvas.h"
#include "support/TempFolder.h"
#include "text/TextTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace blocktest {

class TestLevel : public Level {
public:
  using Level::Level;
  void setBonus(unsigned colour, unsigned count) {
    m_bonusColor = colour;
    m_bonusCount = count;
  }
  uint32_t blockTableCount() const { return m_blockTable.count(); }
  void setBalls(uint32_t balls) { m_balls = balls; }
  void setPlayTime(float seconds) { m_playTime = seconds; }
  void setScore(uint32_t score) { m_score = score; }
  void setFitsOnScreen(bool fits) { m_fitsOnScreen = fits; }
  void setStateTime(float seconds) { m_stateTime = seconds; }
  void setInteriorScale(float scale) { m_interiorScale = scale; }
  void setBackgroundScale(float scale) { m_backgroundScale = scale; }
  // The visible rectangle between the corners, and its cells.
  void setVisible(const math::Vector3 &low, const math::Vector3 &high) {
    m_visibleMin = low;
    m_visibleMax = high;
    cellRange(low, high, m_visibleCellLow, m_visibleCellHigh);
  }
};

// One point-sprite draw.
struct Sprite {
  math::Vector2 position;
  math::PackedColor colour;
  float size;
  int blend;
  Texture *texture;
};

class SpriteCanvas : public testing_support::QuadRecordingCanvas {
public:
  SpriteCanvas() : m_renderer(*this) {}
  // Ribbons and meshes are drawn into nothing.
  void drawVertices(video::VertexRenderer &) override {}
  video::VertexRenderer &vertexRenderer() override { return m_renderer; }
  video::RenderState &renderState() override { return m_state; }
  const video::RenderState &renderState() const override { return m_state; }

  std::vector<Sprite> sprites;
  // One per drawing call of point sprites.
  std::vector<Texture *> pointCalls;
  void drawPoints(const float *positions, int count, int components, const uint8_t *colors,
                  const float *sizes, int sizeCount, float, const float[3],
                  video::RenderPass &pass) override {
    pointCalls.push_back(pass.texture);
    for (int i = 0; i < count; ++i) {
      math::PackedColor c(255, 255, 255, 255);
      if (colors)
        c = math::PackedColor(colors[4 * i], colors[4 * i + 1], colors[4 * i + 2],
                              colors[4 * i + 3]);
      sprites.push_back(
          Sprite{math::Vector2(positions[components * i], positions[components * i + 1]), c,
                 sizes[sizeCount > 1 ? i : 0], pass.blend, pass.texture});
    }
  }

private:
  testing_support::PlainRenderState m_state;
  video::OpenGLVertexRenderer m_renderer;
};

// The sounds of the ball, the blocks and the level's scoring and states.
inline std::vector<const wchar_t *> gameSounds() {
  return {L"stoneClack",  L"blockHit",     L"blockHit1",     L"blockHit2",     L"blockHit3",
          L"blockHit4",   L"blockHit5",    L"blockHit6",     L"blockHit7",     L"freeze",
          L"glassBreaks", L"roundBlock",   L"ballAppear",    L"ballDie",       L"powerUp",
          L"powerDown",   L"loseShield",   L"tar",           L"teleportBegin", L"teleportEnd",
          L"shakeOffTar", L"acquireBonus", L"levelComplete", L"click",         L"lightning",
          L"explosion",   L"neutron",      L"coin",          L"ballDieLava",   L"chompExtend",
          L"kaching",     L"door",         L"clink",         L"laser",         L"tap",
          L"wormDie",     L"killTar",      L"secret"};
}

// Opens the audio player (true when its device opened) and gives the
// database a bank of short tones under the game's sound names.
inline bool openGameSounds(CorvaneDatabase &database, const testing_support::TempFolder &folder) {
  testing::internal::CaptureStderr();
  const bool open = audio::Player::instance().initialize();
  container::Vector<soundpack::BankEntry> entries;
  for (const wchar_t *name : gameSounds()) {
    soundpack::SoundRecipe recipe;
    recipe.seconds = 0.2f;
    entries.push(soundpack::BankEntry{Symbol::intern(name), soundpack::makeWav(recipe)});
  }
  soundpack::writeBank(entries, folder.wide("sounds.dat"));
  database.audioLibrary().loadSoundBank(folder.wide("sounds.dat"));
  testing::internal::GetCapturedStderr();
  return open;
}

// Requested since the last quiet() and not yet ended.
inline bool played(const wchar_t *name) {
  return audio::Player::instance().isPlayingName(Symbol::intern(name));
}

inline void quiet() {
  audio::Player::instance().update();
  audio::Player::instance().stopAll();
}

// A block placed in the level's grid, which grows to hold it.
inline Block *placeBlock(Level &level, unsigned kind, unsigned colour, int column, int row) {
  level.blockGrid().grow(column, row, 1, 1);
  auto *block = new Block(level, kind, colour);
  block->setCell(math::Vector2i(column, row));
  block->setPosition(math::Vector3(3.0f * float(column), 3.0f * float(row), 0.0f));
  level.blockGrid().place(block, column, row);
  return block;
}

} // namespace blocktest
