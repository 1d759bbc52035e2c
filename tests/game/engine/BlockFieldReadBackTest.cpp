// The level's block pass drawn on a real GLES 1.1 context under the level's
// camera, with the data tree's generated textures, and read back at the
// blocks' cells. Needs the generated texture file (tools/texpack
// data/textures.! data).

#include "framework/FrameworkTestSupport.h"

#include "engine/Block.h"
#include "engine/BlockGrid.h"
#include "engine/Level.h"
#include "support/GLFixture.h"

namespace {

struct BlockFieldReadBack : testing_support::FrameworkTest {
  void SetUp() override {
    FrameworkTest::SetUp();
    gltest::resetWindow();
    testing_support::loadDataTree(CorvaneDatabase::LOAD_TEXTURES);
  }
};

Block *place(Level &level, unsigned kind, unsigned colour, int column, int row) {
  level.blockGrid().grow(column, row, 1, 1);
  auto *block = new Block(level, kind, colour);
  block->setCell(math::Vector2i(column, row));
  block->setPosition(math::Vector3(3.0f * float(column), 3.0f * float(row), 0.0f));
  level.blockGrid().place(block, column, row);
  return block;
}

} // namespace

TEST_F(BlockFieldReadBack, ABlockShowsItsColourAtItsCell) {
  video::OpenGLCanvas &canvas = gltest::clearedScreen();
  canvas.clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
  Level level(nullptr);
  level.camera().setPosition(math::Vector3(0.0f, 0.0f, 55.0f));
  level.refreshVisibleRectangle();
  level.refreshSpriteSize();
  place(level, Block::NORMAL, 4, 0, 0);
  place(level, Block::NORMAL, 0, 2, 1);
  canvas.pushVertexDimensionOverride(true);
  level.camera().apply(canvas);
  level.renderBlocks(canvas);
  canvas.flush();
  const struct {
    math::Vector3 world;
    uint8_t r, g, b;
  } probes[] = {
      // The middles of the red and the blue block, and an empty cell.
      {{0.0f, 0.0f, 0.0f}, 220, 50, 50},
      {{6.0f, 3.0f, 0.0f}, 60, 110, 230},
      {{-6.0f, -6.0f, 0.0f}, 0, 0, 0},
  };
  for (const auto &p : probes) {
    const math::Vector2 pixel = level.camera().projectToPixel(p.world);
    gltest::expectRgb(int(pixel.x), int(pixel.y), p.r, p.g, p.b, 12);
  }
  level.camera().release(canvas);
  canvas.popVertexDimensionOverride();
}
