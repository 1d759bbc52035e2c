// Doors and gates drawn on a real GLES 1.1 context under the level's camera,
// with the data tree's generated textures, and read back: a closed door's
// beam shows red across it and an open door leaves the floor dark; a gate
// that is on glows red along its length, one that is off does not. Needs the generated texture file
// (tools/texpack data/textures.! data).

#include "LevelTestSupport.h"
#include "framework/FrameworkTestSupport.h"

#include "engine/Door.h"
#include "engine/Gate.h"
#include "engine/Level.h"
#include "support/GLFixture.h"

namespace {

struct DoorGateReadBack : testing_support::FrameworkTest {
  void SetUp() override {
    FrameworkTest::SetUp();
    gltest::resetWindow();
    testing_support::loadDataTree(CorvaneDatabase::LOAD_TEXTURES);
  }
  // The level's floor, block and gate passes over a cleared screen.
  void draw(video::OpenGLCanvas &canvas, Level &level) {
    canvas.clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
    canvas.pushVertexDimensionOverride(true);
    level.camera().apply(canvas);
    level.renderFloors(canvas);
    level.renderBlocks(canvas);
    level.renderGates(canvas);
    canvas.flush();
  }
  void release(video::OpenGLCanvas &canvas, Level &level) {
    level.camera().release(canvas);
    canvas.popVertexDimensionOverride();
  }
  // Whether the pixel under the world point is clearly red.
  static bool redAt(const Level &level, const math::Vector3 &world) {
    const math::Vector2 pixel = level.camera().projectToPixel(world);
    const gltest::Rgba c = gltest::glPixel(int(pixel.x), int(pixel.y));
    return c.r > 120 && c.r > c.g + 50 && c.r > c.b + 50;
  }
  static bool darkAt(const Level &level, const math::Vector3 &world) {
    const math::Vector2 pixel = level.camera().projectToPixel(world);
    const gltest::Rgba c = gltest::glPixel(int(pixel.x), int(pixel.y));
    return c.r < 20 && c.g < 20 && c.b < 20;
  }
};

} // namespace

TEST_F(DoorGateReadBack, ALitBeamShowsRedAndAnUnlitOneDoesNot) {
  video::OpenGLCanvas &canvas = gltest::clearedScreen();
  Level level(nullptr);
  level.camera().setPosition(math::Vector3(0.0f, 0.0f, 55.0f));
  level.refreshVisibleRectangle();
  level.refreshSpriteSize();
  // A closed door across the lower half, a gate on across the upper half.
  auto *door = new Door(level);
  door->setEndA(math::Vector3(-12.0f, -9.0f, 0.0f));
  door->setEndB(math::Vector3(12.0f, -9.0f, 0.0f));
  level.addDoor(door);
  auto *gate = new Gate(level);
  gate->setEnds(math::Vector3(-12.0f, 9.0f, 0.0f), math::Vector3(12.0f, 9.0f, 0.0f));
  gate->setState(Gate::ON);
  level.addGate(gate);
  // Along the door the beam's texture peaks every 6 units, the first at 3.
  const math::Vector3 onDoor(-9.0f, -9.0f, 0.0f), onGate(0.0f, 9.0f, 0.0f);

  draw(canvas, level);
  EXPECT_TRUE(redAt(level, onDoor));
  EXPECT_TRUE(redAt(level, onGate));
  release(canvas, level);

  door->toggle();
  door->update(0.5f);
  gate->setState(Gate::OFF);
  draw(canvas, level);
  EXPECT_TRUE(darkAt(level, onDoor));
  EXPECT_FALSE(redAt(level, onGate));
  release(canvas, level);
}
