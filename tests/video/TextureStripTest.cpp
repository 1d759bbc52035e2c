// The packed texture file read by the load's first step, then a strip of
// quads drawn with each kind of texture and read back from the GL.

#include "support/GLFixture.h"

#include "TexturePacker.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "framework/TextureAssets.h"
#include "texture/PVRTC.h"
#include "texture/TextureFileBuilder.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"
#include "video/TextureAccess.h"
#include "video/VertexRenderer.h"

#include <cstdlib>
#include <cstring>

namespace {

struct TextureStrip : testing::Test {
  testing_support::TempFolder folder;
  CorvaneDatabase *database = nullptr;
  video::OpenGLCanvas *canvas = nullptr;

  void SetUp() override {
    testing::internal::CaptureStderr();
    ASSERT_TRUE(texpack::packTextures(String(CORVANE_SOURCE_DIR) + L"/data/textures.!",
                                      texpack::textureFileUnder(folder.wide())));
    installTextureAssets();
    database = new CorvaneDatabase(Symbol::intern(L"stripTest"), folder.wide());
    Database::registerDatabase(database);
    Database::setCurrent(database->name());
    database->beginLoad();
    database->loadDatabase(CorvaneDatabase::LOAD_TEXTURES);
    testing::internal::GetCapturedStderr();

    gltest::resetWindow();
    gltest::freshContext();
    canvas = &gltest::canvas();
    canvas->resetMatrices();
    canvas->setScreenProjection(320.0f, 480.0f);
    gltest::plainState();
    canvas->setClearColor(math::Color::black);
    canvas->clear(video::Canvas::CLEAR_COLOR);
  }
  void TearDown() override {
    // The textures' GL objects go before the manager that owns them.
    canvas->renderState().setTexture(nullptr, 0);
    Database::releaseRegistry();
    video::TextureAccess::setInstance(nullptr);
  }

  Texture *texture(const wchar_t *name) {
    return video::findTexture(*database, Symbol::intern(name));
  }

  // A 64 x 64 quad at column i, drawn through the vertex renderer.
  void quad(int i, Texture *t) {
    video::RenderState &state = canvas->renderState();
    state.setTexture(t, 0);
    state.setBlending(true);
    state.setBlendMode(video::BLEND_NORMAL);
    canvas->setColor(math::Color::white);
    video::VertexRenderer &vr = canvas->vertexRenderer();
    vr.begin(video::FORMAT_COLORED, video::PRIMITIVE_TRIANGLE_STRIP);
    const float x = 64.0f * float(i);
    vr.texCoord(0, 0);
    vr.vertex(x, 0, 0);
    vr.texCoord(1, 0);
    vr.vertex(x + 64, 0, 0);
    vr.texCoord(0, 1);
    vr.vertex(x, 64, 0);
    vr.texCoord(1, 1);
    vr.vertex(x + 64, 64, 0);
    vr.end();
  }
};

} // namespace

TEST_F(TextureStrip, EachKindOfTextureDrawsItsColours) {
  TextureManager &textures = database->textureManager();
  ASSERT_GE(textures.count(), 12u);
  // Listed textures reach OpenGL only when first drawn.
  for (uint32_t i = 0; i < textures.count(); ++i) {
    TextureSimple *simple = textures.at(i)->currentFrame();
    ASSERT_NE(simple, nullptr);
    EXPECT_EQ(simple->existingGLName(), 0u) << textures.at(i)->name().text();
  }

  testing::internal::CaptureStderr();
  Texture *missing = texture(L"noSuchTexture");
  testing::internal::GetCapturedStderr();
  struct Case {
    const wchar_t *name;
    Texture *texture;
    gltest::Rgba expected;
    int tolerance;
  } cases[] = {
      {L"solid (png)", texture(L"solid"), {40, 200, 90, 255}, 2},
      // 200, 60, 30 at alpha 160 over black.
      {L"tint (jpeg pair)", texture(L"tint"), {125, 37, 18, 255}, 5},
      {L"sky (mipmapped ulv)", texture(L"sky"), {120, 180, 240, 255}, 8},
      {L"missing", missing, {255, 0, 255, 255}, 0},
  };
  for (int i = 0; i < 4; ++i)
    quad(i, cases[i].texture);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  for (int i = 0; i < 4; ++i) {
    const Case &c = cases[i];
    for (int probe : {12, 32, 52}) {
      gltest::Rgba p = gltest::glPixel(64 * i + probe, probe);
      EXPECT_NEAR(p.r, c.expected.r, c.tolerance) << c.name;
      EXPECT_NEAR(p.g, c.expected.g, c.tolerance) << c.name;
      EXPECT_NEAR(p.b, c.expected.b, c.tolerance) << c.name;
    }
    EXPECT_NE(static_cast<TextureSimple *>(c.texture)->existingGLName(), 0u) << c.name;
  }
  // Beyond the strip nothing was drawn; what was not drawn was not uploaded.
  EXPECT_EQ(gltest::glPixel(290, 32).r, 0);
  EXPECT_EQ(static_cast<TextureSimple *>(texture(L"checker"))->existingGLName(), 0u);
  // llvmpipe offers no PVRTC.
  EXPECT_FALSE(isPVRTCSupported());
}

TEST_F(TextureStrip, AnimatedTexturesDrawTheirCurrentFrame) {
  Texture *flame = texture(L"flame");
  ASSERT_NE(flame, nullptr);
  database->textureManager().update();
  ASSERT_EQ(flame->currentFrame()->name(), Symbol::intern(L"flame2"));
  quad(0, flame);
  EXPECT_NE(flame->currentFrame()->existingGLName(), 0u);
  EXPECT_EQ(static_cast<TextureSimple *>(texture(L"flame1"))->existingGLName(), 0u);
  // The middle of a flame is hot: red at full, some green.
  gltest::Rgba middle = gltest::glPixel(32, 32);
  EXPECT_GT(middle.r, 200);
  EXPECT_GT(middle.g, 100);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

namespace {

// A texture file of image data that is cut short or damaged, in a manager
// of its own.
struct DamagedImages : testing::Test {
  testing_support::TempFolder folder;
  Database database{Symbol::intern(L"damagedImages"), L"."};
  TextureManager manager{&database};
  void SetUp() override {
    gltest::resetWindow();
    gltest::plainState();
  }
};

} // namespace

TEST_F(DamagedImages, FailToUploadWithAWarningAndNoCrash) {
  texturetest::TextureFileBuilder file;
  std::vector<unsigned char> pvr(52 + 32, 0);
  const uint32_t header[] = {52, 8, 8, 0, 25, 32};
  memcpy(pvr.data(), header, sizeof header);
  memcpy(&pvr[44], "PVR!", 4);
  // A ULV image whose header announces a 512 x 512 rgba8888 image.
  std::vector<unsigned char> ulv = texturetest::ulv(
      texturetest::solid(4, 4, PixelBuffer::RGB888, 1, 2, 3), PixelBuffer::RGB565, false);
  ulv[1] = 0;
  ulv[2] = 2;
  file.simple(L"bigUlv", TEXTURE_ULV, 4, ulv);
  // The last image loses its last bytes.
  file.simple(L"cutPvr", TEXTURE_PVR, 8, pvr);
  std::string bytes = file.bytes();
  folder.write("t.dat", bytes.substr(0, bytes.size() - 10));
  testing::internal::CaptureStderr();
  ASSERT_TRUE(manager.loadMonolith(String::fromUtf8(folder.path("t.dat").c_str())));
  for (const wchar_t *name : {L"cutPvr", L"bigUlv"}) {
    auto *texture = static_cast<TextureSimple *>(manager.find(Symbol::intern(name)));
    ASSERT_NE(texture, nullptr);
    EXPECT_NE(texture->glName(), 0u) << name;
    EXPECT_FALSE(texture->uploaded()) << name;
  }
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Failed to create OpenGL texture object: cutPvr"), std::string::npos) << err;
  EXPECT_NE(err.find("Failed to create OpenGL texture object: bigUlv"), std::string::npos) << err;
  for (uint32_t i = 0; i < manager.count(); ++i)
    manager.at(i)->unload();
}
