// Widget chrome drawn on a real GLES 1.1 context and read back at probe
// points (screen coordinates, y up).

#include "support/GLFixture.h"

#include "gui/Border.h"
#include "gui/ClipArea.h"
#include "video/RenderKeywords.h"

namespace {

using WidgetReadBack = gltest::CanvasFixture;

math::Rectangle rect(float x, float y, float w, float h) {
  math::Rectangle r;
  r.set(x, y, w, h);
  return r;
}

} // namespace

// Light red, medium green, dark blue; a frame 10 wide within (100, 100) to
// (200, 160).
TEST_F(WidgetReadBack, ABevelledFrameIsLitAtTheTopAndLeftAndShadedBelowAndRight) {
  for (bool bevel : {true, false}) {
    SCOPED_TRACE(bevel);
    canvas->clear(video::Canvas::CLEAR_COLOR);
    GUI::Border border;
    border.setColors(math::Color::red, math::Color::green, math::Color::blue);
    border.setWidth(10.0f);
    border.setBevel(bevel);
    border.setLayoutRect(rect(100, 100, 100, 60));
    border.draw(*canvas);
    canvas->flush();
    struct Probe {
      int x, y;
      int r, g, b;
    };
    const Probe lit[] = {{150, 159, 255, 0, 0}, {100, 130, 255, 0, 0}};
    const Probe shaded[] = {{150, 100, 0, 0, 255}, {199, 130, 0, 0, 255}};
    for (const Probe &p : lit)
      gltest::expectRgb(p.x, p.y, bevel ? p.r : 0, bevel ? p.g : 255, bevel ? p.b : 0, 30);
    for (const Probe &p : shaded)
      gltest::expectRgb(p.x, p.y, bevel ? p.r : 0, bevel ? p.g : 255, bevel ? p.b : 0, 30);
    // Along the inner edge the medium colour; inside nothing is drawn.
    gltest::expectRgb(150, 150, 0, 255, 0, 30);
    gltest::expectRgb(150, 130, 0, 0, 0);
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// Drawing between the clip area's two steps lands only inside its
// rectangle, and afterwards the canvas draws where it did before.
TEST_F(WidgetReadBack, AClipAreaClipsWhatIsDrawnWithinIt) {
  GUI::ClipArea area;
  area.setArea(rect(0, 0, 100, 50));
  area.setLayoutRect(rect(0, 0, 100, 50));
  area.setPosition(math::Vector2(60, 200));
  area.draw(*canvas);
  canvas->fillRect(0, 0, 320, 480, math::Color::red, video::BLEND_NORMAL);
  area.drawAfterChildren(*canvas);
  gltest::expectRgb(110, 225, 255, 0, 0);
  gltest::expectRgb(61, 201, 255, 0, 0);
  gltest::expectRgb(158, 248, 255, 0, 0);
  gltest::expectRgb(59, 225, 0, 0, 0);
  gltest::expectRgb(110, 251, 0, 0, 0);
  gltest::expectRgb(161, 225, 0, 0, 0);
  gltest::expectRgb(110, 199, 0, 0, 0);

  canvas->fillRect(10, 10, 20, 20, math::Color::green, video::BLEND_NORMAL);
  canvas->flush();
  gltest::expectRgb(20, 20, 0, 255, 0);
  gltest::expectRgb(110, 225, 255, 0, 0);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
