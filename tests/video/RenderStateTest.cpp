#include "support/GLFixture.h"

#include "video/Light.h"
#include "video/OpenGLFunctions.h"
#include "video/OpenGLRenderState.h"
#include "video/TextureAccess.h"

#include <map>
#include <string>

namespace {

// The OpenGL render state, counting each apply operation it passes on.
struct CountingRenderState : video::OpenGLRenderState {
  std::map<std::string, int> calls;
  int total() const {
    int n = 0;
    for (auto &c : calls)
      n += c.second;
    return n;
  }
  void clearCalls() { calls.clear(); }
  void selectUnitForTest(int unit) { selectUnit(unit); }

#define COUNT1(slot, T)                                                                            \
  void slot(T a) override {                                                                        \
    ++calls[#slot];                                                                                \
    OpenGLRenderState::slot(a);                                                                    \
  }
#define COUNT2(slot, T, U)                                                                         \
  void slot(T a, U b) override {                                                                   \
    ++calls[#slot];                                                                                \
    OpenGLRenderState::slot(a, b);                                                                 \
  }
  COUNT1(applyShadeModel, int)
  COUNT1(applyBlendMode, int)
  COUNT1(applyBlending, bool)
  COUNT2(applyCombineRGB, int, int)
  COUNT2(applySourceRGB0, int, int)
  COUNT2(applySourceRGB1, int, int)
  COUNT2(applyCombineAlpha, int, int)
  COUNT2(applySourceAlpha0, int, int)
  COUNT2(applySourceAlpha1, int, int)
  COUNT1(applyTextureEnvColor, const math::Color &)
  COUNT2(applyTexture, Texture *, int)
  COUNT1(applyLighting, bool)
  COUNT1(applyDepthWrite, bool)
  COUNT1(applyDepthTest, bool)
  COUNT1(applyDepthFunction, int)
  COUNT2(applyAlphaFunction, int, float)
  void applyStencilFunction(int f, int r, uint32_t m) override {
    ++calls["applyStencilFunction"];
    OpenGLRenderState::applyStencilFunction(f, r, m);
  }
  void applyStencilOperation(int a, int b, int c) override {
    ++calls["applyStencilOperation"];
    OpenGLRenderState::applyStencilOperation(a, b, c);
  }
#undef COUNT1
#undef COUNT2
};

struct RenderStateTest : testing::Test {
  CountingRenderState state;
  void SetUp() override {
    gltest::resetWindow();
    state.reset();
    state.clearCalls();
  }
  // This state changed the GL behind the canvas's back.
  void TearDown() override { gltest::freshContext(); }
};

GLint texEnv(GLenum name) {
  GLint v = 0;
  glGetTexEnviv(GL_TEXTURE_ENV, name, &v);
  return v;
}

} // namespace

TEST_F(RenderStateTest, ARepeatedValueReachesTheGLOnce) {
  state.setLighting(true);
  state.setLighting(true);
  state.setDepthFunction(video::COMPARE_GREATER);
  state.setDepthFunction(video::COMPARE_GREATER);
  state.setStencilOperation(1, 2, 3);
  state.setStencilOperation(1, 2, 3);
  state.setTextureEnvColor(math::Color(0.5f, 0, 0, 1));
  state.setTextureEnvColor(math::Color(0.5f, 0, 0, 1));
  EXPECT_EQ(state.calls["applyLighting"], 1);
  EXPECT_EQ(state.calls["applyDepthFunction"], 1);
  EXPECT_EQ(state.calls["applyStencilOperation"], 1);
  EXPECT_EQ(state.calls["applyTextureEnvColor"], 1);
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  GLint f = 0;
  glGetIntegerv(GL_DEPTH_FUNC, &f);
  EXPECT_EQ(f, GL_GREATER);

  // The same function with another reference is a change.
  state.setAlphaFunction(video::COMPARE_GREATER, 0.5f);
  state.setAlphaFunction(video::COMPARE_GREATER, 0.25f);
  state.setAlphaFunction(video::COMPARE_GREATER, 0.25f);
  EXPECT_EQ(state.calls["applyAlphaFunction"], 2);
  GLfloat reference = 0;
  glGetFloatv(GL_ALPHA_TEST_REF, &reference);
  EXPECT_FLOAT_EQ(reference, 0.25f);
}

TEST_F(RenderStateTest, ResetLeavesTheValuesOfANewContext) {
  // The reset itself applied the normal blend factors.
  EXPECT_EQ(state.blendMode(), video::BLEND_NORMAL);
  GLint source = 0, destination = 0;
  glGetIntegerv(GL_BLEND_SRC, &source);
  glGetIntegerv(GL_BLEND_DST, &destination);
  EXPECT_EQ(source, GL_SRC_ALPHA);
  EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
  state.setBlendMode(video::BLEND_NORMAL);
  EXPECT_EQ(state.calls["applyBlendMode"], 0);
  EXPECT_FALSE(state.depthTest());
  EXPECT_EQ(state.depthFunction(), video::COMPARE_LESS);
  EXPECT_TRUE(state.textureMatrix());
  EXPECT_TRUE(state.depthWrite());
  EXPECT_EQ(state.activeTextureUnit(), 0);
  EXPECT_EQ(texEnv(GL_TEXTURE_ENV_MODE), GL_COMBINE);
  // So turning the depth test off again, or asking for less, changes nothing.
  state.setDepthTest(false);
  state.setDepthFunction(video::COMPARE_LESS);
  EXPECT_EQ(state.total(), 0);
}

TEST_F(RenderStateTest, TextureStylesIssueOnlyTheFieldsThatChange) {
  using namespace video::textureStyle;
  // A new unit compares against "normal".
  state.setTextureStyle(NORMAL, 0);
  EXPECT_EQ(state.total(), 0);

  state.setTextureStyle(ADD_COLOR, 0);
  EXPECT_EQ(state.total(), 1);
  EXPECT_EQ(state.calls["applyCombineRGB"], 1);
  EXPECT_EQ(texEnv(GL_COMBINE_RGB), GL_ADD);

  // The two words share their second source: two fields change.
  state.clearCalls();
  state.setTextureStyle(NORMAL, 0);
  state.setTextureStyle(CONSTANT_COLOR_OVERLAY, 0);
  EXPECT_EQ(state.calls["applyCombineRGB"], 2);
  EXPECT_EQ(state.calls["applySourceRGB0"], 1);
  EXPECT_EQ(state.total(), 3);
  EXPECT_EQ(texEnv(GL_COMBINE_RGB), GL_REPLACE);
  EXPECT_EQ(texEnv(GL_SRC0_RGB), GL_CONSTANT);
  EXPECT_EQ(texEnv(GL_OPERAND0_RGB), GL_SRC_COLOR);
  // Every field of a word that shares none.
  state.clearCalls();
  state.setTextureStyle(
      pack(SUBTRACT, ONE_MINUS_PRIMARY, ONE_MINUS_CONSTANT, ADD, ONE_MINUS_TEXTURE, CONSTANT), 0);
  EXPECT_EQ(state.total(), 6);
  EXPECT_EQ(texEnv(GL_SRC1_RGB), GL_CONSTANT);
  EXPECT_EQ(texEnv(GL_OPERAND1_RGB), GL_ONE_MINUS_SRC_COLOR);
  EXPECT_EQ(texEnv(GL_COMBINE_ALPHA), GL_ADD);
  EXPECT_EQ(texEnv(GL_OPERAND0_ALPHA), GL_ONE_MINUS_SRC_ALPHA);
  EXPECT_EQ(texEnv(GL_SRC1_ALPHA), GL_CONSTANT);

  // A second unit is selected for its own combiner, then left selected.
  state.clearCalls();
  state.setTextureStyle(SUBTRACT_COLOR, 1);
  EXPECT_EQ(state.total(), 1);
  EXPECT_EQ(state.activeTextureUnit(), 1);
  EXPECT_EQ(texEnv(GL_COMBINE_RGB), GL_SUBTRACT);
  EXPECT_EQ(state.textureStyle(1), SUBTRACT_COLOR);
  EXPECT_EQ(state.textureStyle(5), NORMAL);
}

TEST_F(RenderStateTest, TexturesAreBoundOncePerUnit) {
  Texture *a = reinterpret_cast<Texture *>(0x1000);
  Texture *b = reinterpret_cast<Texture *>(0x2000);
  EXPECT_FALSE(state.textureKnownAt(0));
  state.setTexture(a, 0);
  state.setTexture(a, 0);
  EXPECT_EQ(state.calls["applyTexture"], 1);
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_EQ(state.textureAt(0), a);

  // Told of a binding of the same texture: still known.
  state.noteTextureBound(a, 0);
  EXPECT_TRUE(state.textureKnownAt(0));
  state.setTexture(a, 0);
  EXPECT_EQ(state.calls["applyTexture"], 1);
  // Of another one: bound again next time.
  state.noteTextureBound(b, 0);
  EXPECT_FALSE(state.textureKnownAt(0));
  state.setTexture(a, 0);
  EXPECT_EQ(state.calls["applyTexture"], 2);

  // A texture going away is unbound wherever it is.
  state.setTexture(a, 2);
  state.forgetTexture(a);
  EXPECT_EQ(state.textureAt(0), nullptr);
  EXPECT_EQ(state.textureAt(2), nullptr);
  EXPECT_EQ(state.textureAt(7), nullptr);
  EXPECT_FALSE(state.textureKnownAt(7));
  state.setTexture(nullptr, 0);
  EXPECT_EQ(state.calls["applyTexture"], 5);
  state.selectUnitForTest(0);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(RenderStateTest, LightsAndTheLightPool) {
  video::Light light;
  light.index = 3;
  light.direction = math::Vector3(0, 0, -1);
  light.diffuse = math::Color(0.5f, 0.25f, 1, 1);
  gltest::canvas().resetMatrices();
  gltest::canvas().applyMatrices();
  state.enableLight(light);
  EXPECT_TRUE(light.applied);
  EXPECT_TRUE(glIsEnabled(GL_LIGHT3));
  GLfloat position[4], diffuse[4];
  glGetLightfv(GL_LIGHT3, GL_POSITION, position);
  glGetLightfv(GL_LIGHT3, GL_DIFFUSE, diffuse);
  EXPECT_FLOAT_EQ(position[2], 1.0f); // minus the direction
  EXPECT_FLOAT_EQ(position[3], 0.0f);
  EXPECT_FLOAT_EQ(diffuse[1], 0.25f);
  state.disableLight(light);
  EXPECT_FALSE(glIsEnabled(GL_LIGHT3));
  // Any index outside 1-7 is light 0.
  light.index = 12;
  state.enableLight(light);
  EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
  state.disableLight(light);

  CountingRenderState pool;
  int index = -1;
  for (int i = 0; i < 8; ++i) {
    ASSERT_TRUE(pool.allocateLightIndex(index));
    EXPECT_EQ(index, i);
  }
  EXPECT_FALSE(pool.allocateLightIndex(index));
  pool.releaseLightIndex(5);
  ASSERT_TRUE(pool.allocateLightIndex(index));
  EXPECT_EQ(index, 5);
}

TEST_F(RenderStateTest, ValuesOutsideTheTablesDrawNothingStrange) {
  // Shade and cull values outside their tables change nothing; a blend mode
  // outside draws as normal; compare and stencil values outside issue nothing.
  state.setShadeModel(7);
  state.setCullMode(9);
  state.setBlendMode(6);
  GLint source = 0;
  glGetIntegerv(GL_BLEND_SRC, &source);
  EXPECT_EQ(source, GL_SRC_ALPHA);
  state.setDepthFunction(video::COMPARE_COUNT);
  state.setStencilOperation(0, video::STENCIL_COUNT, 0);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  GLint f = 0;
  glGetIntegerv(GL_DEPTH_FUNC, &f);
  EXPECT_EQ(f, GL_LESS);
  unsigned int gl = 0;
  EXPECT_FALSE(video::glCompareFunction(8, gl));
  EXPECT_TRUE(video::glStencilOperation(video::STENCIL_ZERO, gl));
  EXPECT_EQ(gl, unsigned(GL_ZERO));
}

TEST(RenderKeywords, TablesAndReverseLookups) {
  using namespace video;
  EXPECT_EQ(compareSymbol(COMPARE_LESS_OR_EQUAL), Symbol::intern(L"lessOrEqual"));
  EXPECT_EQ(compareFromSymbol(Symbol::intern(L"notEqual")), COMPARE_NOT_EQUAL);
  EXPECT_EQ(compareFromSymbol(Symbol::intern(L"sometimes")), 8);
  EXPECT_EQ(stencilFromSymbol(Symbol::intern(L"invert")), STENCIL_INVERT);
  EXPECT_EQ(stencilFromSymbol(Symbol::intern(L"bogus")), 6);
  EXPECT_EQ(shadeFromSymbol(Symbol::intern(L"flat")), SHADE_FLAT);
  EXPECT_EQ(shadeFromSymbol(Symbol::intern(L"phong")), 2);
  EXPECT_EQ(enableFromSymbol(Symbol::intern(L"enable")), ENABLE_ENABLE);
  EXPECT_EQ(enableFromSymbol(Symbol::intern(L"maybe")), 3);
  EXPECT_EQ(blendFromSymbol(Symbol::intern(L"accumulate")), BLEND_ACCUMULATE);
  EXPECT_EQ(blendFromSymbol(Symbol::intern(L"screen")), 6);
  EXPECT_TRUE(compareSymbol(8).isEmpty());
  EXPECT_TRUE(blendSymbol(-1).isEmpty());

  EXPECT_EQ(textureStyleFromSymbol(Symbol::intern(L"addColor")), textureStyle::ADD_COLOR);
  EXPECT_EQ(textureStyleFromSymbol(Symbol::intern(L"glow")), textureStyle::NORMAL);
  EXPECT_EQ(textureStyleSymbol(0x022102), Symbol::intern(L"primaryColorOverlay"));
  EXPECT_TRUE(textureStyleSymbol(0x123456).isEmpty());
  EXPECT_EQ(textureStyle::pack(textureStyle::ADD, textureStyle::TEXTURE, textureStyle::PRIMARY,
                               textureStyle::MODULATE, textureStyle::TEXTURE,
                               textureStyle::PRIMARY),
            textureStyle::ADD_COLOR);
  EXPECT_EQ(textureStyle::field(textureStyle::CONSTANT_COLOR_OVERLAY, textureStyle::SOURCE_RGB0),
            textureStyle::CONSTANT);

  for (int mode = 0; mode < BLEND_COUNT; ++mode)
    EXPECT_EQ(blendAlwaysBlends(mode), mode >= BLEND_ADDITIVE) << mode;
}
