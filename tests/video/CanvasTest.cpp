#include "support/GLFixture.h"

#include "FakeTextures.h"
#include "math/Transform.h"
#include "math/TransformDefinition.h"
#include "video/AnimationState.h"
#include "video/DisplayHost.h"
#include "video/QuadBatch.h"
#include "video/RenderPass.h"
#include "video/RenderState.h"
#include "video/TextureAnimationAccess.h"

namespace {

struct CanvasTest : gltest::CanvasFixture {
  // Model, view and projection as the GL would apply them.
  math::Vector3 project(float x, float y) const {
    using C = video::Canvas;
    math::Vector3 p(x, y, 0);
    p = canvas->matrix(C::MODEL).transformPoint(p);
    p = canvas->matrix(C::VIEW).transformPoint(p);
    return canvas->matrix(C::PROJECTION).transformPoint(p);
  }
};

void expectColor(const math::Color &c, float r, float g, float b, float a) {
  EXPECT_FLOAT_EQ(c.r, r);
  EXPECT_FLOAT_EQ(c.g, g);
  EXPECT_FLOAT_EQ(c.b, b);
  EXPECT_FLOAT_EQ(c.a, a);
}

struct TurnedHost : video::DisplayHost {
  int turn = 0;
  bool suspended = false;
  int orientation() override { return turn; }
  bool framesSuspended() override { return suspended; }
};

} // namespace

TEST_F(CanvasTest, ColourStack) {
  // An empty stack: the colour as given, clamped.
  canvas->setColor(math::Color(1.5f, 0.5f, -1.0f, 1.0f));
  expectColor(canvas->color(), 1.0f, 0.5f, 0.0f, 1.0f);
  EXPECT_TRUE(canvas->colorStackTopOpaque());

  canvas->pushColor();
  canvas->multiplyColor(math::Color(0.5f, 1.0f, 1.0f, 0.5f));
  EXPECT_FALSE(canvas->colorStackTopOpaque());
  canvas->setColor(math::Color(1.0f, 0.5f, 1.0f, 1.0f));
  expectColor(canvas->color(), 0.5f, 0.5f, 1.0f, 0.5f);

  canvas->pushColor(); // a copy of the top
  canvas->multiplyColor(math::Color(0.5f, 0.5f, 0.5f, 1.0f));
  canvas->popColor(); // the current colour becomes the new top
  expectColor(canvas->color(), 0.5f, 1.0f, 1.0f, 0.5f);
  canvas->resetColorTop();
  EXPECT_TRUE(canvas->colorStackTopOpaque());
  canvas->popColor();
  expectColor(canvas->color(), 1.0f, 1.0f, 1.0f, 1.0f);
}

TEST_F(CanvasTest, ScreenProjectionSpansTheWindow) {
  math::Vector3 low = project(0, 0), high = project(320, 480);
  EXPECT_NEAR(low.x, -1.0f, 1e-6);
  EXPECT_NEAR(low.y, -1.0f, 1e-6);
  EXPECT_NEAR(high.x, 1.0f, 1e-6);
  EXPECT_NEAR(high.y, 1.0f, 1e-6);
  EXPECT_FALSE(canvas->renderState().perspective());

  // Orientation 3 turns the picture by 180 degrees.
  TurnedHost host;
  host.turn = 3;
  video::DisplayHost::setInstance(&host);
  canvas->setScreenProjection(320.0f, 480.0f);
  video::DisplayHost::setInstance(nullptr);
  low = project(0, 0);
  high = project(320, 480);
  EXPECT_NEAR(low.x, 1.0f, 1e-6);
  EXPECT_NEAR(low.y, 1.0f, 1e-6);
  EXPECT_NEAR(high.x, -1.0f, 1e-6);
  EXPECT_NEAR(high.y, -1.0f, 1e-6);
  // Orientation 1 turns it by 90 degrees clockwise: the bottom-left corner
  // goes to the top-left.
  host.turn = 1;
  video::DisplayHost::setInstance(&host);
  canvas->setScreenProjection(320.0f, 480.0f);
  video::DisplayHost::setInstance(nullptr);
  low = project(0, 0);
  EXPECT_NEAR(low.x, -1.0f, 1e-5);
  EXPECT_NEAR(low.y, 1.0f, 1e-5);
}

TEST_F(CanvasTest, FramesAreHeldBackWhileIconifiedOrSuspended) {
  video::QuadBatch &batch = canvas->quadBatch();
  batch.addVertex(math::Vector3(), math::Color::white, math::Vector2());
  video::Window::instance()->setIconified(true);
  EXPECT_FALSE(canvas->beginFrame());
  EXPECT_EQ(batch.vertexCount(), 1u); // not reset
  video::Window::instance()->setIconified(false);

  TurnedHost host;
  host.suspended = true;
  video::DisplayHost::setInstance(&host);
  EXPECT_FALSE(canvas->beginFrame());
  video::DisplayHost::setInstance(nullptr);
  EXPECT_EQ(batch.vertexCount(), 1u);

  EXPECT_TRUE(canvas->beginFrame());
  EXPECT_EQ(batch.vertexCount(), 0u);
}

TEST_F(CanvasTest, MatrixOperationsFlagTheirStack) {
  canvas->applyMatrices();
  EXPECT_FALSE(canvas->matrixChanged(video::Canvas::MODEL));
  canvas->rotate(0.0f, 0, 0, 1); // nothing for angle 0
  canvas->translate(10.4f, 20.6f);
  EXPECT_TRUE(canvas->matrixChanged(video::Canvas::MODEL));
  EXPECT_FALSE(canvas->matrixChanged(video::Canvas::PROJECTION));
  canvas->snapTranslation();
  EXPECT_EQ(canvas->matrix(video::Canvas::MODEL).m[3], 10.0f);
  EXPECT_EQ(canvas->matrix(video::Canvas::MODEL).m[7], 21.0f);

  // The GL gets view x model, column-major.
  canvas->applyMatrices();
  GLfloat modelView[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
  math::Matrix4 expected =
      canvas->matrix(video::Canvas::VIEW) * canvas->matrix(video::Canvas::MODEL);
  EXPECT_FLOAT_EQ(modelView[12], expected.m[3]);
  EXPECT_FLOAT_EQ(modelView[13], expected.m[7]);
  EXPECT_FLOAT_EQ(modelView[12], 10.0f - 160.0f);

  canvas->setMatrixMode(video::Canvas::TEXTURE);
  canvas->pushMatrix();
  canvas->scale(2.0f, 2.0f);
  EXPECT_TRUE(canvas->matrixChanged(video::Canvas::TEXTURE));
  canvas->popMatrix();
  canvas->setMatrixMode(video::Canvas::MODEL);
  canvas->resetMatrices();
  for (int i = 0; i < video::Canvas::STACK_COUNT; ++i) {
    EXPECT_TRUE(canvas->matrixChanged(i));
    EXPECT_TRUE(canvas->matrix(i) == math::Matrix4());
  }
}

TEST_F(CanvasTest, PlacementsAndTransforms) {
  math::TransformDefinition placement;
  placement.translation = math::Vector3(10, 0, 0);
  placement.axis = math::Vector3(0, 0, 1);
  placement.angle = 90.0f;
  placement.scale = 2.0f;
  placement.flipY = true;
  canvas->pushMatrix();
  canvas->applyPlacement(placement);
  // Scaled (y mirrored), turned, then moved.
  math::Vector3 p = canvas->matrix(video::Canvas::MODEL).transformPoint(math::Vector3(1, 1, 0));
  EXPECT_NEAR(p.x, 12.0f, 1e-5);
  EXPECT_NEAR(p.y, 2.0f, 1e-5);
  canvas->popMatrix();

  math::Transform transform;
  transform.translation = math::Vector3(5, 6, 7);
  transform.setAxisAngle(math::Vector3(0, 1, 0), 30.0f);
  canvas->pushMatrix();
  canvas->applyTransform(transform);
  canvas->applyInverseTransform(transform);
  p = canvas->matrix(video::Canvas::MODEL).transformPoint(math::Vector3(1, 2, 3));
  EXPECT_NEAR(p.x, 1.0f, 1e-5);
  EXPECT_NEAR(p.y, 2.0f, 1e-5);
  EXPECT_NEAR(p.z, 3.0f, 1e-5);
  canvas->popMatrix();
}

TEST_F(CanvasTest, OverridesReplaceWhatDrawingAsksFor) {
  video::RenderState &state = canvas->renderState();
  canvas->pushDepthTestOverride(false);
  canvas->setDepthTest(true);
  EXPECT_FALSE(state.depthTest());
  canvas->popDepthTestOverride();
  canvas->setDepthTest(true);
  EXPECT_TRUE(state.depthTest());

  canvas->pushBlendOverride(video::BLEND_ADDITIVE);
  canvas->setBlendMode(video::BLEND_NORMAL);
  EXPECT_EQ(state.blendMode(), video::BLEND_ADDITIVE);
  canvas->popBlendOverride();

  // Texture-style overrides are per unit.
  canvas->pushTextureStyleOverride(video::textureStyle::CONSTANT_COLOR_OVERLAY, 2);
  EXPECT_FALSE(canvas->hasTextureStyleOverride(0));
  EXPECT_TRUE(canvas->hasTextureStyleOverride(2));
  EXPECT_FALSE(canvas->hasTextureStyleOverride(3));
  canvas->setTextureStyle(video::textureStyle::NORMAL, 2);
  EXPECT_EQ(state.textureStyle(2), video::textureStyle::CONSTANT_COLOR_OVERLAY);
  canvas->popTextureStyleOverride(2);
  canvas->setTextureStyle(video::textureStyle::NORMAL, 2);
  EXPECT_EQ(state.textureStyle(2), video::textureStyle::NORMAL);

  EXPECT_FALSE(canvas->is2D());
  canvas->pushVertexDimensionOverride(true);
  EXPECT_TRUE(canvas->is2D());
  canvas->popVertexDimensionOverride();
  canvas->setDepthTest(false);
  canvas->setBlendMode(video::BLEND_NORMAL);
}

TEST_F(CanvasTest, RenderPassesSetTheStateAndTheColour) {
  gltest::TextureScope textures;
  gltest::FakeTexture texture;
  texture.opaque = true;
  video::RenderPass pass;
  pass.texture = gltest::asTexture(&texture);
  pass.color = math::Color(1.0f, 0.5f, 0.5f, 1.0f);
  pass.lit = false;
  pass.cull = false;
  pass.alphaTest = true;
  pass.alphaFunction = video::COMPARE_GREATER;
  pass.alphaReference = 0.25f;
  pass.textureStyle = video::textureStyle::ADD_COLOR;
  video::RenderState &state = canvas->renderState();

  canvas->applyRenderPass(pass);
  EXPECT_FALSE(state.lighting());
  EXPECT_FALSE(state.culling());
  EXPECT_FALSE(state.blending()); // opaque texture, opaque colour, normal blend
  EXPECT_EQ(state.textureAt(0), gltest::asTexture(&texture));
  EXPECT_TRUE(state.alphaTest());
  EXPECT_EQ(state.alphaFunction(), video::COMPARE_GREATER);
  EXPECT_TRUE(state.depthTest());
  EXPECT_EQ(state.textureStyle(0), video::textureStyle::ADD_COLOR);
  EXPECT_FALSE(state.textureMatrix());
  EXPECT_EQ(canvas->colorStackSize(), 1u);
  expectColor(canvas->color(), 1.0f, 0.5f, 0.5f, 1.0f);
  canvas->releaseRenderPass(pass);
  EXPECT_EQ(canvas->colorStackSize(), 0u);
  EXPECT_FALSE(state.alphaTest());
  EXPECT_EQ(state.textureStyle(0), video::textureStyle::NORMAL);

  // A translucent colour blends; a texture-style override on unit 0 wins,
  // also when the pass is released.
  pass.color.a = 0.5f;
  canvas->pushTextureStyleOverride(video::textureStyle::PRIMARY_COLOR_OVERLAY, 0);
  canvas->applyRenderPass(pass);
  EXPECT_TRUE(state.blending());
  EXPECT_EQ(state.textureStyle(0), video::textureStyle::PRIMARY_COLOR_OVERLAY);
  canvas->releaseRenderPass(pass);
  EXPECT_EQ(state.textureStyle(0), video::textureStyle::PRIMARY_COLOR_OVERLAY);
  canvas->popTextureStyleOverride(0);
  canvas->setTextureStyle(video::textureStyle::NORMAL, 0);
  canvas->renderState().setTexture(nullptr, 0);
  canvas->setDepthTest(false);
}

TEST_F(CanvasTest, AnimationStatesPushWhatTheyChange) {
  animation::AnimationState still;
  canvas->applyAnimationState(still);
  EXPECT_EQ(canvas->colorStackSize(), 0u);
  math::Matrix4 before = canvas->matrix(video::Canvas::MODEL);

  animation::AnimationState moved;
  moved.color = math::Color(1.0f, 0.0f, 0.0f, 0.5f);
  moved.translation = math::Vector2(10.0f, 0.0f);
  moved.rotation = 90.0f;
  moved.scale = math::Vector2(2.0f, 2.0f);
  canvas->applyAnimationState(moved);
  EXPECT_EQ(canvas->colorStackSize(), 1u);
  // Translated, then turned clockwise (about -z), then scaled.
  math::Vector3 p = canvas->matrix(video::Canvas::MODEL).transformPoint(math::Vector3(1, 0, 0));
  EXPECT_NEAR(p.x, 10.0f, 1e-5);
  EXPECT_NEAR(p.y, -2.0f, 1e-5);
  canvas->unapplyAnimationState(moved);
  EXPECT_EQ(canvas->colorStackSize(), 0u);
  EXPECT_TRUE(canvas->matrix(video::Canvas::MODEL) == before);
  canvas->unapplyAnimationState(still);
  EXPECT_TRUE(canvas->matrix(video::Canvas::MODEL) == before);
}

namespace {

// A texture animation that is only its state.
struct FakeAnimations : video::TextureAnimationAccess {
  int copies = 0, destroyed = 0;
  animation::AnimationState *make(float rotation) {
    auto *s = new animation::AnimationState;
    s->rotation = rotation;
    return s;
  }
  static animation::AnimationState &of(animation::AnimationDefinition *a) {
    return *reinterpret_cast<animation::AnimationState *>(a);
  }
  static const animation::AnimationState &of(const animation::AnimationDefinition &a) {
    return reinterpret_cast<const animation::AnimationState &>(a);
  }
  animation::AnimationDefinition *copy(const animation::AnimationDefinition &a) override {
    ++copies;
    return reinterpret_cast<animation::AnimationDefinition *>(new animation::AnimationState(of(a)));
  }
  void destroy(animation::AnimationDefinition *a) override {
    ++destroyed;
    delete &of(a);
  }
  animation::AnimationDefinition *load(const quip::Dictionary &) override {
    return reinterpret_cast<animation::AnimationDefinition *>(make(45.0f));
  }
  void save(const animation::AnimationDefinition &, quip::Dictionary &) override {}
  animation::AnimationDefinition *read(file::ByteProducer &) override { return nullptr; }
  void write(const animation::AnimationDefinition &, file::ByteReceiver &) override {}
  // Turns by its rotation per second.
  void evaluate(const animation::AnimationDefinition &a, animation::AnimationState &out,
                float time) override {
    out.rotation = of(a).rotation * time;
  }
};

} // namespace

TEST_F(CanvasTest, ATextureAnimationDrivesTheTextureMatrix) {
  FakeAnimations animations;
  video::TextureAnimationAccess::setInstance(&animations);
  {
    video::RenderPass pass;
    pass.setTextureAnimation(
        reinterpret_cast<animation::AnimationDefinition *>(animations.make(90)));
    pass.setTime(0.5f);
    EXPECT_EQ(pass.animationState.rotation, 45.0f);
    video::RenderPass copy = pass; // its own animation
    EXPECT_EQ(animations.copies, 1);
    EXPECT_TRUE(copy == pass);

    canvas->applyRenderPass(pass);
    EXPECT_TRUE(canvas->renderState().textureMatrix());
    EXPECT_EQ(canvas->matrixMode(), video::Canvas::MODEL);
    math::Vector3 p = canvas->matrix(video::Canvas::TEXTURE).transformPoint(math::Vector3(1, 0, 0));
    EXPECT_NEAR(p.x, 0.70710677f, 1e-5);
    EXPECT_NEAR(p.y, -0.70710677f, 1e-5);
    canvas->releaseRenderPass(pass);
    EXPECT_TRUE(canvas->matrix(video::Canvas::TEXTURE) == math::Matrix4());
  }
  EXPECT_EQ(animations.destroyed, 2);
  video::TextureAnimationAccess::setInstance(nullptr);
}
