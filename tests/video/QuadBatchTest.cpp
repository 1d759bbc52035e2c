#include "video/QuadBatch.h"
#include "support/NullCanvas.h"
#include "video/BillboardQuad.h"
#include "video/Quad3D.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records every submission of the batch.
struct CountingCanvas : testing_support::NullCanvas {
  struct Submission {
    uint16_t vertices;
    bool uniform;
    bool blending;
    Texture *texture;
  };
  std::vector<Submission> submissions;
  void flush() override { quadBatch().flush(*this); }
  void drawQuadBatch(video::QuadBatch &batch) override {
    submissions.push_back(
        {batch.vertexCount(), batch.uniformColor(), batch.state().blending, batch.state().texture});
  }
};

Texture *fakeTexture(int i) { return reinterpret_cast<Texture *>(uintptr_t(0x1000 * i)); }

video::BillboardQuad billboard(Texture *texture, float x = 0, float y = 0) {
  video::BillboardQuad b;
  b.texture = texture;
  b.size = math::Vector2(10, 20);
  b.texCoords[1] = math::Vector2(0, 1);
  b.texCoords[2] = math::Vector2(1, 1);
  b.texCoords[3] = math::Vector2(1, 0);
  b.position = math::Vector3(x, y, 0);
  return b;
}

struct Depth : video::Renderable3D {
  float d;
  explicit Depth(float d) : d(d) {}
  void render(video::Canvas &) override {}
  math::Vector3 position() const override { return math::Vector3(0, 0, -d); }
};

} // namespace

TEST(QuadBatch, FullBatchesAndStateChangesSubmit) {
  CountingCanvas canvas;
  for (int i = 0; i < 251; ++i)
    canvas.drawBillboard(billboard(fakeTexture(1), float(i), 0));
  canvas.flush();
  ASSERT_EQ(canvas.submissions.size(), 2u);
  EXPECT_EQ(canvas.submissions[0].vertices, 1000);
  EXPECT_EQ(canvas.submissions[1].vertices, 4);
  EXPECT_EQ(canvas.quadBatch().indexCount(), 0u);

  // Two textures: two draws.
  canvas.submissions.clear();
  canvas.drawBillboard(billboard(fakeTexture(1)));
  canvas.drawBillboard(billboard(fakeTexture(2)));
  canvas.flush();
  ASSERT_EQ(canvas.submissions.size(), 2u);
  EXPECT_EQ(canvas.submissions[1].texture, fakeTexture(2));

  // One texture, two colours: one draw with a colour per vertex.
  canvas.submissions.clear();
  video::BillboardQuad red = billboard(fakeTexture(1));
  red.color = math::Color(1.0f, 0.0f, 0.0f, 1.0f);
  canvas.drawBillboard(billboard(fakeTexture(1)));
  canvas.drawBillboard(red);
  const uint8_t *colors = canvas.quadBatch().colors();
  EXPECT_EQ(colors[1], 255);       // white's green
  EXPECT_EQ(colors[4 * 4 + 1], 0); // red's green
  canvas.flush();
  ASSERT_EQ(canvas.submissions.size(), 1u);
  EXPECT_FALSE(canvas.submissions[0].uniform);
}

TEST(QuadBatch, TransparentPassQueuesAndFlushesNothing) {
  CountingCanvas canvas;
  canvas.drawBillboard(billboard(fakeTexture(1)));
  video::BillboardQuad clear = billboard(fakeTexture(2));
  clear.color = math::Color(1.0f, 1.0f, 1.0f, 0.0f);
  canvas.drawBillboard(clear);
  // Nor when the colour stack makes it transparent.
  canvas.pushColor();
  canvas.multiplyColor(math::Color(1.0f, 1.0f, 1.0f, 0.0f));
  canvas.drawBillboard(billboard(fakeTexture(3)));
  canvas.popColor();
  EXPECT_TRUE(canvas.submissions.empty());
  EXPECT_EQ(canvas.quadBatch().vertexCount(), 4);
}

TEST(QuadBatch, BlendingOfQuads) {
  struct Case {
    float alpha;
    int blend;
    bool blending;
  } cases[] = {{0.99f, video::BLEND_NORMAL, true},
               {1.0f, video::BLEND_NORMAL, false},
               {1.0f, video::BLEND_ADDITIVE, true}};
  for (const Case &c : cases) {
    CountingCanvas canvas;
    video::Quad3D quad;
    quad.color(2).a = c.alpha;
    quad.renderPass().blend = c.blend;
    EXPECT_EQ(quad.drawsOpaque(), !c.blending);
    canvas.drawQuad3D(quad);
    canvas.flush();
    ASSERT_EQ(canvas.submissions.size(), 1u);
    EXPECT_EQ(canvas.submissions[0].blending, c.blending) << c.alpha << " " << c.blend;
  }
}

TEST(QuadBatch, QuadCornersAndIndices) {
  CountingCanvas canvas;
  canvas.translate(1, 2, 3);
  video::Quad3D quad;
  math::Rectangle r;
  r.set(0, 0, 4, 2);
  quad.setRectangle(r);
  canvas.drawQuad3D(quad);
  const video::QuadBatch &batch = canvas.quadBatch();
  ASSERT_EQ(batch.vertexCount(), 4);
  const float *p = batch.positions();
  EXPECT_FLOAT_EQ(p[0], 1); // corner 0 at (0, 2, 0) moved
  EXPECT_FLOAT_EQ(p[1], 4);
  EXPECT_FLOAT_EQ(p[2], 3);
  const uint16_t expected[6] = {0, 1, 3, 3, 1, 2};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(batch.indices()[i], expected[i]);
}

TEST(QuadBatch, BillboardCornersAndFacingWithoutCamera) {
  CountingCanvas canvas;
  video::BillboardQuad b = billboard(nullptr, 100, 50);
  b.alignment = video::ALIGN_FACE_CAMERA;
  b.rotation = 90.0f;
  canvas.drawBillboard3D(b); // no camera: flat in x-y
  video::BillboardQuad flat = b;
  flat.alignment = video::ALIGN_XY;
  canvas.drawBillboard3D(flat);
  const float *p = canvas.quadBatch().positions();
  for (int i = 0; i < 12; ++i)
    EXPECT_FLOAT_EQ(p[i], p[12 + i]) << i;
  // Turned a quarter clockwise: the top-left corner (-5, 10) lands at (10, 5).
  EXPECT_NEAR(p[0], 110.0f, 1e-4);
  EXPECT_NEAR(p[1], 55.0f, 1e-4);
  const uint16_t expected[6] = {0, 1, 2, 2, 1, 3};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(canvas.quadBatch().indices()[i], expected[i]);

  // Not centred: the origin sits at the position; lying in x-z.
  CountingCanvas other;
  video::BillboardQuad o = billboard(nullptr, 0, 0);
  o.centered = false;
  o.origin = math::Vector2(2, 3);
  o.alignment = video::ALIGN_XZ;
  other.drawBillboard3D(o);
  const float *q = other.quadBatch().positions();
  EXPECT_FLOAT_EQ(q[0], -2.0f); // top-left (-2, 17) -> (-2, 0, -17)
  EXPECT_FLOAT_EQ(q[1], 0.0f);
  EXPECT_FLOAT_EQ(q[2], -17.0f);
}

TEST(Quad3D, DefaultsAndBillboardQuads) {
  video::Quad3D quad;
  EXPECT_EQ(quad.color(3), math::Color::white);
  EXPECT_EQ(quad.position(1), math::Vector3(0, 0, 0));
  EXPECT_EQ(quad.texCoord(0).x, 0.0f);
  EXPECT_EQ(quad.texCoord(2).y, 1.0f);

  video::BillboardQuad b = billboard(nullptr, 10, 20);
  b.size = math::Vector2(4, 2);
  b.centered = false;
  b.local.set(0, 0, 4, 2);
  quad.setFromBillboard2D(b);
  const math::Vector3 corners[4] = {{10, 22, 0}, {10, 20, 0}, {14, 20, 0}, {14, 22, 0}};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(quad.position(i), corners[i]) << i;
  EXPECT_FALSE(quad.renderPass().depthTest);
  EXPECT_FALSE(quad.renderPass().depthWrite);
  EXPECT_FALSE(quad.renderPass().lit);
}

TEST(DepthSortedList, FarthestFirstAndEqualsBefore) {
  Depth five(5), nine(9), seven(7), sevenAgain(7);
  video::DepthSortedList list;
  math::Vector3 eye, direction(0, 0, -1);
  list.insertByViewDepth(&five, eye, direction);
  list.insertByViewDepth(&nine, eye, direction);
  list.insertByViewDepth(&seven, eye, direction);
  list.insertByViewDepth(&sevenAgain, eye, direction);
  ASSERT_EQ(list.count(), 4u);
  EXPECT_EQ(list[0], &nine);
  EXPECT_EQ(list[1], &sevenAgain);
  EXPECT_EQ(list[2], &seven);
  EXPECT_EQ(list[3], &five);

  video::DepthSortedList byZ;
  byZ.insertByZ(&five); // z -5
  byZ.insertByZ(&nine); // z -9
  byZ.insertByZ(&seven);
  EXPECT_EQ(byZ[0], &nine);
  EXPECT_EQ(byZ[2], &five);
  testing_support::NullCanvas canvas;
  byZ.renderAllAndClear(canvas, Symbol());
  EXPECT_EQ(byZ.count(), 0u);
  EXPECT_EQ(byZ.capacity(), 4u);
}
