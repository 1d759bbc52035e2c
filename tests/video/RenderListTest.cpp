// The render list's order and the draw list's reused records.

#include "video/RenderList.h"
#include "support/RecordingCanvas.h"
#include "surface/PixelBuffer.h"
#include "video/DrawList.h"
#include "video/GLTables.h"

#include <GLES/gl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Keyed : video::LateRenderable {
  float key;
  std::string name;
  std::string *log;
  Keyed(float key, const char *name, std::string *log) : key(key), name(name), log(log) {}
  float renderKey() const override { return key; }
  void renderLate(video::Canvas &) override { *log += name; }
};

} // namespace

TEST(RenderList, ItemsDrawInTheOrderOfTheirKeys) {
  testing_support::RecordingCanvas canvas;
  std::string log;
  Keyed three(3, "3", &log), firstOne(1, "a", &log), two(2, "2", &log), secondOne(1, "b", &log);
  for (Keyed *item : {&three, &firstOne, &two, &secondOne})
    canvas.addToRenderList(item);
  canvas.renderRenderList();
  EXPECT_EQ(log, "ab23");
  // Rendered again without clearing: drawn again.
  canvas.renderRenderList();
  EXPECT_EQ(log, "ab23ab23");
  canvas.clearRenderList();
  canvas.renderRenderList();
  EXPECT_EQ(log, "ab23ab23");
  // After a clear the list fills again in order (and reuses its nodes).
  Keyed low(-5, "-", &log), high(9, "9", &log);
  for (Keyed *item : {&high, &two, &low})
    canvas.addToRenderList(item);
  log.clear();
  canvas.renderRenderList();
  EXPECT_EQ(log, "-29");
  canvas.clearRenderList();
}

TEST(DrawList, RecordsAreMadeOnceAndReused) {
  testing_support::RecordingCanvas canvas;
  video::DrawList &list = canvas.drawList();
  EXPECT_EQ(list.linePoolSize(), 0u);
  const math::Color colors[3] = {math::Color::red, math::Color::green, math::Color::blue};
  for (int frame = 0; frame < 2; ++frame) {
    for (int i = 0; i < 3; ++i) {
      video::DrawList::Line &line = list.nextLine();
      line.start = math::Vector3(float(i), 0, 0);
      line.end = math::Vector3(float(i), 1, 0);
      line.color = colors[i];
      // 2 records with the first line, 2 more with the second, none after.
      EXPECT_EQ(list.linePoolSize(), i == 0 && frame == 0 ? 2u : 4u);
    }
    video::DrawList::Triangle &t = list.nextTriangle();
    t.corners[1] = math::Vector3(1, 0, 0);
    t.corners[2] = math::Vector3(0, 1, 0);
    t.color = math::Color::white;
    EXPECT_EQ(list.lineCount(), 3u);
    canvas.drawn.clear();
    list.render(canvas);
    EXPECT_EQ(list.lineCount(), 0u);
    EXPECT_EQ(list.triangleCount(), 0u);
    // The lines first, each a ribbon of its colour with depth; then the triangle.
    ASSERT_EQ(canvas.drawn.size(), 4u);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(canvas.drawn[i].primitive, video::PRIMITIVE_TRIANGLE_STRIP);
      EXPECT_EQ(canvas.drawn[i].color(0).r, i == 0 ? 255 : 0);
      EXPECT_TRUE(canvas.drawn[i].depthTest);
      EXPECT_EQ(canvas.drawn[i].blendMode, video::BLEND_NORMAL);
      EXPECT_NEAR((canvas.drawn[i].position(0) - canvas.drawn[i].position(1)).length(), 1.0f,
                  1e-5f);
    }
    EXPECT_EQ(canvas.drawn[3].primitive, video::PRIMITIVE_TRIANGLE_LIST);
    EXPECT_EQ(canvas.drawn[3].vertexCount(), 3);
  }
  EXPECT_EQ(list.linePoolSize(), 4u);
  EXPECT_EQ(list.trianglePoolSize(), 2u);
}

TEST(GLTables, FormatsAndPrimitives) {
  struct Case {
    int pixelFormat;
    unsigned int format, type;
  } cases[] = {
      {PixelBuffer::RGB565, GL_RGB, GL_UNSIGNED_SHORT_5_6_5},
      {PixelBuffer::RGBA5551, GL_RGBA, GL_UNSIGNED_SHORT_5_5_5_1},
      {PixelBuffer::RGBA4444, GL_RGBA, GL_UNSIGNED_SHORT_4_4_4_4},
      {PixelBuffer::RGB888, GL_RGB, GL_UNSIGNED_BYTE},
      {PixelBuffer::RGBA8888, GL_RGBA, GL_UNSIGNED_BYTE},
      // Formats without a GL pair leave what the caller set.
      {PixelBuffer::RGB555, 11, 22},
      {PixelBuffer::NONE, 11, 22},
      {99, 11, 22},
  };
  for (const Case &c : cases) {
    unsigned int format = 11, type = 22;
    video::glFormatForPixelFormat(c.pixelFormat, format, type);
    EXPECT_EQ(format, c.format) << c.pixelFormat;
    EXPECT_EQ(type, c.type) << c.pixelFormat;
  }
  EXPECT_EQ(video::glPrimitiveMode(video::PRIMITIVE_TRIANGLE_STRIP), GLenum(GL_TRIANGLE_STRIP));
  EXPECT_EQ(video::glPrimitiveMode(video::PRIMITIVE_TRIANGLE_FAN), GLenum(GL_TRIANGLE_FAN));
  EXPECT_EQ(video::glPrimitiveMode(video::PRIMITIVE_TRIANGLE_LIST), GLenum(GL_TRIANGLES));
  EXPECT_EQ(video::glPrimitiveMode(7), GLenum(GL_TRIANGLES));
}
