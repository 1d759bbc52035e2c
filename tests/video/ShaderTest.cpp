// Shader programs in a real OpenGL ES 2 (or later) context made here through
// EGL, and under the GLES 1.1 context of the other rendering tests.

#include "video/Shader.h"
#include "error/Report.h"
#include "support/GLFixture.h"
#include "support/TempFolder.h"
#include "video/OpenGLFunctions.h"
#include "video/ShaderListener.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr GLenum currentProgram = 0x8B8D;

// An OpenGL ES 2+ context on a surfaceless pbuffer, current while it lives;
// whatever context was current before is made current again afterwards.
class ES2Context {
public:
  ES2Context()
      : m_previousDisplay(eglGetCurrentDisplay()), m_previousContext(eglGetCurrentContext()),
        m_previousDraw(eglGetCurrentSurface(EGL_DRAW)),
        m_previousRead(eglGetCurrentSurface(EGL_READ)) {
    m_display = eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (m_display == EGL_NO_DISPLAY || !eglInitialize(m_display, nullptr, nullptr))
      return;
    eglBindAPI(EGL_OPENGL_ES_API);
    const EGLint wanted[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                             EGL_OPENGL_ES2_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!eglChooseConfig(m_display, wanted, &config, 1, &count) || count < 1)
      return;
    const EGLint size[] = {EGL_WIDTH, 16, EGL_HEIGHT, 16, EGL_NONE};
    m_surface = eglCreatePbufferSurface(m_display, config, size);
    const EGLint version[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
    m_context = eglCreateContext(m_display, config, EGL_NO_CONTEXT, version);
    if (m_surface == EGL_NO_SURFACE || m_context == EGL_NO_CONTEXT ||
        !eglMakeCurrent(m_display, m_surface, m_surface, m_context))
      return;
    OpenGLFunctions::initialize();
    m_ready = true;
  }
  ~ES2Context() {
    if (m_previousContext != EGL_NO_CONTEXT) {
      eglMakeCurrent(m_previousDisplay, m_previousDraw, m_previousRead, m_previousContext);
      OpenGLFunctions::initialize();
    } else {
      eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
      for (bool &flag : OpenGLFunctions::supported)
        flag = false;
      OpenGLFunctions::version = 0;
    }
    if (m_context != EGL_NO_CONTEXT)
      eglDestroyContext(m_display, m_context);
    if (m_surface != EGL_NO_SURFACE)
      eglDestroySurface(m_display, m_surface);
  }
  ES2Context(const ES2Context &) = delete;
  ES2Context &operator=(const ES2Context &) = delete;

  bool ready() const { return m_ready; }

private:
  EGLDisplay m_previousDisplay;
  EGLContext m_previousContext;
  EGLSurface m_previousDraw, m_previousRead;
  EGLDisplay m_display = EGL_NO_DISPLAY;
  EGLSurface m_surface = EGL_NO_SURFACE;
  EGLContext m_context = EGL_NO_CONTEXT;
  bool m_ready = false;
};

struct Counting : video::ShaderListener {
  int initialized = 0, failed = 0, used = 0;
  void shaderInitialized(video::Shader &) override { ++initialized; }
  void shaderFailed(video::Shader &) override { ++failed; }
  void shaderUsed(video::Shader &) override { ++used; }
};

std::vector<std::string> &reports() {
  static std::vector<std::string> texts;
  return texts;
}

void collectReport(Symbol, const String &text) {
  container::Vector<char> bytes;
  text.toUtf8(bytes);
  reports().push_back(bytes.data());
}

int reportsContaining(const std::string &part) {
  int n = 0;
  for (const std::string &text : reports())
    n += text.find(part) != std::string::npos;
  return n;
}

GLint programInUse() {
  GLint program = -1;
  glGetIntegerv(currentProgram, &program);
  return program;
}

const char *const vertexSource = "attribute vec4 position;\n"
                                 "uniform mat4 transform;\n"
                                 "void main() { gl_Position = transform * position; }\n";
const char *const fragmentSource = "precision mediump float;\n"
                                   "uniform float brightness;\n"
                                   "void main() { gl_FragColor = vec4(brightness); }\n";
const char *const brokenSource = "void main() { gl_Position = ; }\n";

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

// Each test gets its files, a shader over them with a counting listener, and
// its reports collected.
class ShaderTest : public testing::Test {
protected:
  void SetUp() override {
    reports().clear();
    framework::setReportSink(collectReport);
    vertexPath = folder.write("plain.vsh", vertexSource);
    fragmentPath = folder.write("plain.fsh", fragmentSource);
  }
  void TearDown() override {
    if (shader)
      video::Shader::destroy(shader);
    framework::setReportSink(nullptr);
  }
  video::Shader &make(const std::string &vertex, const std::string &fragment) {
    shader =
        video::Shader::create(String::fromUtf8(vertex.c_str()), String::fromUtf8(fragment.c_str()));
    shader->addListener(&listener);
    return *shader;
  }

  testing_support::TempFolder folder;
  std::string vertexPath, fragmentPath;
  video::Shader *shader = nullptr;
  Counting listener;
};

} // namespace

TEST_F(ShaderTest, ValidPairBuildsAndIsUsedWithItsLocations) {
  ES2Context es2;
  ASSERT_TRUE(es2.ready());
  ASSERT_EQ(OpenGLFunctions::version, 6);
  ASSERT_TRUE(OpenGLFunctions::shadersSupported());

  video::Shader &s = make(vertexPath, fragmentPath);
  video::Shader::Uniform &transform = s.addUniform(sym(L"transform"));
  video::Shader::Uniform &brightness = s.addUniform(sym(L"brightness"));
  video::Shader::Attribute &position = s.addAttribute(sym(L"position"));
  EXPECT_EQ(&s.addUniform(sym(L"brightness")), &brightness); // one entry per name
  EXPECT_EQ(s.program(), 0u);                                // nothing built before the first use

  EXPECT_TRUE(s.use());
  EXPECT_FALSE(s.failed());
  EXPECT_NE(s.program(), 0u);
  EXPECT_EQ(programInUse(), GLint(s.program()));
  EXPECT_EQ(listener.initialized, 1);
  EXPECT_EQ(listener.used, 1);
  EXPECT_EQ(listener.failed, 0);
  EXPECT_TRUE(reports().empty());
  EXPECT_GE(transform.location, 0);
  EXPECT_GE(brightness.location, 0);
  EXPECT_NE(transform.location, brightness.location);
  EXPECT_GE(position.location, 0);
  EXPECT_EQ(s.findUniform(sym(L"brightness")), &brightness);
  EXPECT_EQ(s.findAttribute(sym(L"position")), &position);
  EXPECT_EQ(s.findUniform(sym(L"absent")), nullptr);

  // Setting values through the table leaves no GL error. (The detection's
  // fixed-function queries leave theirs in a level-6 context: drained first.)
  while (glGetError() != GL_NO_ERROR) {
  }
  s.setUniform(brightness, 1.0f);
  s.setUniform(transform, math::Matrix4());
  const float corners[] = {0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1};
  s.setAttribute(position, 4, false, 0, corners);
  s.unuse();
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

  // A second use builds nothing again.
  uint32_t program = s.program();
  EXPECT_TRUE(s.use());
  EXPECT_EQ(s.program(), program);
  EXPECT_EQ(listener.initialized, 1);
  EXPECT_EQ(listener.used, 2);
  OpenGLFunctions::useNoProgram();
  EXPECT_EQ(programInUse(), 0);
}

TEST_F(ShaderTest, FragmentThatDoesNotCompileFailsUntilReleased) {
  ES2Context es2;
  ASSERT_TRUE(es2.ready());
  std::string broken = folder.write("broken.fsh", brokenSource);
  video::Shader &s = make(vertexPath, broken);

  EXPECT_FALSE(s.use());
  EXPECT_TRUE(s.failed());
  EXPECT_EQ(listener.failed, 1);
  EXPECT_EQ(listener.initialized, 0);
  EXPECT_EQ(listener.used, 0);
  // The compile failure names its file; linking and validating still ran.
  EXPECT_EQ(reportsContaining("Shader (" + broken + ") Compile Status:"), 1);
  EXPECT_EQ(reportsContaining("Shader (" + vertexPath + ") Compile Status"), 0);
  std::string name = vertexPath + ", " + broken;
  EXPECT_EQ(reportsContaining("Shader (" + name + ") Link Status:"), 1);
  EXPECT_EQ(reportsContaining("Shader (" + name + ") Validate Status:"), 1);
  EXPECT_EQ(reports().size(), 3u);

  // Later uses change nothing in the GL and build nothing again.
  EXPECT_FALSE(s.use());
  EXPECT_EQ(programInUse(), 0);
  EXPECT_EQ(listener.failed, 1);
  EXPECT_EQ(reports().size(), 3u);

  // After a release the next use builds anew from the files.
  folder.write("broken.fsh", fragmentSource);
  s.release();
  EXPECT_FALSE(s.failed());
  EXPECT_TRUE(s.use());
  EXPECT_EQ(listener.initialized, 1);
  EXPECT_EQ(programInUse(), GLint(s.program()));
  OpenGLFunctions::useNoProgram();
}

TEST_F(ShaderTest, ReleaseAllMakesTheNextUseReadAndCompileBothFilesAgain) {
  ES2Context es2;
  ASSERT_TRUE(es2.ready());
  video::Shader &s = make(vertexPath, fragmentPath);
  ASSERT_TRUE(s.use());

  video::Shader::releaseAll();
  EXPECT_EQ(s.program(), 0u);
  EXPECT_EQ(s.vertexShader(), 0u);
  EXPECT_EQ(s.fragmentShader(), 0u);
  // Both files now fail to compile: the next use must read and compile each.
  folder.write("plain.vsh", brokenSource);
  folder.write("plain.fsh", brokenSource);
  EXPECT_FALSE(s.use());
  EXPECT_EQ(reportsContaining("Shader (" + vertexPath + ") Compile Status:"), 1);
  EXPECT_EQ(reportsContaining("Shader (" + fragmentPath + ") Compile Status:"), 1);
  EXPECT_EQ(listener.initialized, 1);
  EXPECT_EQ(listener.failed, 1);
}

TEST_F(ShaderTest, UnreadableSourceIsReportedAndTheShaderFails) {
  ES2Context es2;
  ASSERT_TRUE(es2.ready());
  struct Case {
    bool vertexMissing;
  };
  for (Case c : {Case{true}, Case{false}}) {
    SCOPED_TRACE(c.vertexMissing ? "vertex file missing" : "fragment file missing");
    reports().clear();
    listener = {};
    std::string missing = folder.path("absent.txt");
    video::Shader &s =
        make(c.vertexMissing ? missing : vertexPath, c.vertexMissing ? fragmentPath : missing);
    EXPECT_FALSE(s.use());
    EXPECT_TRUE(s.failed());
    EXPECT_EQ(listener.failed, 1);
    EXPECT_EQ(reports().size(), 1u);
    EXPECT_EQ(reportsContaining("Shader (" + missing + ") cannot read"), 1);
    EXPECT_FALSE(s.use()); // one report, not one per use
    EXPECT_EQ(reports().size(), 1u);
    EXPECT_EQ(programInUse(), 0);
    video::Shader::destroy(shader);
    shader = nullptr;
  }
}

TEST_F(ShaderTest, UnresolvedEntryPointMeansTheShaderIsNeverBuilt) {
  ES2Context es2;
  ASSERT_TRUE(es2.ready());
  ASSERT_EQ(OpenGLFunctions::missingShaderEntryPoint(), nullptr);
  auto kept = OpenGLFunctions::uniform1iv;
  OpenGLFunctions::uniform1iv = nullptr;
  EXPECT_STREQ(OpenGLFunctions::missingShaderEntryPoint(), "glUniform1iv");

  video::Shader &s = make(vertexPath, fragmentPath);
  EXPECT_FALSE(s.use());
  EXPECT_FALSE(s.use());
  OpenGLFunctions::uniform1iv = kept;
  EXPECT_TRUE(s.failed());
  EXPECT_EQ(s.program(), 0u); // no GL object was made
  EXPECT_EQ(listener.failed, 1);
  EXPECT_EQ(listener.initialized, 0);
  ASSERT_EQ(reports().size(), 1u);
  EXPECT_EQ(reportsContaining("glUniform1iv"), 1);
}

TEST_F(ShaderTest, UnderGLES11NoShaderIsEverUsed) {
  gltest::canvas();
  ASSERT_EQ(OpenGLFunctions::version, 5);
  video::Shader &s = make(vertexPath, fragmentPath);
  EXPECT_FALSE(s.use());
  EXPECT_FALSE(s.initialized());
  EXPECT_EQ(s.program(), 0u);
  EXPECT_EQ(listener.initialized + listener.failed + listener.used, 0);
  EXPECT_TRUE(reports().empty());
}
