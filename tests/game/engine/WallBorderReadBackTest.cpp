// A wall set's border drawn on a real GLES 1.1 context under the level's
// camera, as the level's floor pass draws it, and read back at probe points.

#include "support/GLFixture.h"

#include "engine/Level.h"
#include "engine/WallSet.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"

namespace {

// The square room from grid (-2, -2) to (2, 2): world -7.5 to 4.5. Its inner
// strip reaches 2 units in, its outer strip 1 unit out.
file::BufferBinary squareRoom() {
  const int corners[4][2] = {{-2, -2}, {2, -2}, {2, 2}, {-2, 2}};
  const float signs[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
  file::BufferBinary out;
  file::write(4u, out);
  for (const auto &c : corners) {
    file::write(c[0], out);
    file::write(c[1], out);
  }
  for (int i = 0; i < 4; ++i)
    for (int k = 0; k < 3; ++k)
      file::write(0.0f, out);
  file::write(0u, out);
  for (float offset : {-2.0f, 1.0f}) {
    file::write(4u, out);
    for (uint16_t i = 0; i < 4; ++i) {
      const math::Vector3 p = WallSet::gridToWorld(math::Vector2i(corners[i][0], corners[i][1]));
      file::write(p.x + signs[i][0] * offset, out);
      file::write(p.y + signs[i][1] * offset, out);
      file::write(i, out);
    }
  }
  out.seek(0);
  return out;
}

using WallBorderReadBack = gltest::CanvasFixture;

} // namespace

TEST_F(WallBorderReadBack, UnderTheLevelCamera) {
  canvas->clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
  Level level(nullptr);
  WallSet walls(level, 0);
  file::BufferBinary record = squareRoom();
  ASSERT_TRUE(walls.read(record));
  canvas->pushVertexDimensionOverride(true);
  level.camera().apply(*canvas);
  walls.render(*canvas);
  canvas->flush();
  const struct {
    math::Vector3 world;
    bool border;
  } probes[] = {
      // In the inner strip on the left and top sides, in the outer one below.
      {{-6.5f, -1.5f, 0}, true},
      {{-1.5f, 3.5f, 0}, true},
      {{-1.5f, -8.0f, 0}, true},
      // The middle of the room, and beyond the outer strip.
      {{-1.5f, -1.5f, 0}, false},
      {{-1.5f, -10.0f, 0}, false},
  };
  for (const auto &p : probes) {
    const math::Vector2 pixel = level.camera().projectToPixel(p.world);
    const gltest::Rgba c = gltest::glPixel(int(pixel.x), int(pixel.y));
    EXPECT_EQ(c.r, p.border ? 255 : 0) << p.world.toString().c_str();
  }
  level.camera().release(*canvas);
  canvas->popVertexDimensionOverride();
}
