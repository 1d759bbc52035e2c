#include "support/GLFixture.h"

#include "video/OpenGLFunctions.h"

#include <string>

TEST(OpenGLFunctions, VersionLevelFromTheThirdToken) {
  struct Case {
    const wchar_t *text;
    int level;
  } cases[] = {
      {L"OpenGL ES-CM 1.0", 5},
      {L"OpenGL ES-CM 1.1 Mesa 22.3.6", 5},
      {L"OpenGL ES 2.0 Mesa", 6},
      {L"OpenGL ES 3.2", 6},
      {L"OpenGL ES x.1", 5},   // no number: major 0
      {L"OpenGL  ES  2.0", 6}, // empty tokens are dropped
      {L"OpenGL ES", 5},       // fewer than three tokens
      {L"", 5},
  };
  for (const Case &c : cases)
    EXPECT_EQ(OpenGLFunctions::versionLevel(c.text), c.level) << String(c.text).toNarrow();
}

TEST(OpenGLFunctions, ExtensionNamesMatchWholeTokens) {
  const char *list = "GL_OES_point_sprite GL_OES_draw_texture  GL_EXT_blend_minmax";
  EXPECT_TRUE(OpenGLFunctions::isExtensionSupported("GL_OES_draw_texture", list));
  EXPECT_TRUE(OpenGLFunctions::isExtensionSupported("GL_EXT_blend_minmax", list));
  EXPECT_FALSE(OpenGLFunctions::isExtensionSupported("GL_OES_draw", list));
  EXPECT_FALSE(OpenGLFunctions::isExtensionSupported("GL_OES_point_sprite_x", list));
  EXPECT_FALSE(OpenGLFunctions::isExtensionSupported("GL_OES_draw_texture", ""));
}

TEST(OpenGLFunctions, DetectsAnOpenGLES11Context) {
  gltest::canvas();
  testing::internal::CaptureStderr();
  OpenGLFunctions::initialize();
  std::string log = testing::internal::GetCapturedStderr();

  EXPECT_EQ(OpenGLFunctions::version, 5);
  for (int g = 0; g < OpenGLFunctions::GROUP_COUNT; ++g)
    EXPECT_EQ(OpenGLFunctions::supported[g], g <= OpenGLFunctions::GROUP_VERTEX_BUFFER_OBJECT) << g;
  EXPECT_FALSE(OpenGLFunctions::shadersSupported());
  EXPECT_NE(OpenGLFunctions::activeTexture, nullptr);
  EXPECT_NE(OpenGLFunctions::genBuffers, nullptr);
  EXPECT_GE(OpenGLFunctions::maxTextureUnits, 2);
  EXPECT_GT(OpenGLFunctions::maxPointSize, 1.0f);
  // A format the GL never reported.
  EXPECT_FALSE(OpenGLFunctions::isCompressedFormatSupported(0x8C00));

  EXPECT_NE(log.find("OpenGL vendor: "), std::string::npos) << log;
  EXPECT_NE(log.find("OpenGL renderer: "), std::string::npos);
  EXPECT_NE(log.find("OpenGL version: OpenGL ES-CM 1.1"), std::string::npos);
  EXPECT_NE(log.find("OpenGL maxTextureUnits: "), std::string::npos);
  for (const char *group :
       {"multitexture", "textureCompression", "pointParameters", "vertexBufferObject"})
    EXPECT_NE(log.find(std::string("OpenGL function group supported: ") + group + "\n"),
              std::string::npos)
        << group;
  EXPECT_EQ(log.find("shaderObjects"), std::string::npos);
}

TEST(OpenGLFunctions, GroupNames) {
  EXPECT_EQ(OpenGLFunctions::groupName(OpenGLFunctions::GROUP_SHADER_OBJECTS),
            Symbol::intern(L"shaderObjects"));
  EXPECT_EQ(OpenGLFunctions::groupName(OpenGLFunctions::GROUP_FRAGMENT_SHADER),
            Symbol::intern(L"fragmentShader"));
  EXPECT_TRUE(OpenGLFunctions::groupName(9).isEmpty());
}
