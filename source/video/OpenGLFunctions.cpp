#include "video/OpenGLFunctions.h"

#include "error/Log.h"
#include "platform/GLContext.h"

#include <cstring>

int OpenGLFunctions::version = 0;
bool OpenGLFunctions::supported[OpenGLFunctions::GROUP_COUNT] = {};
container::HashTable<int, bool> OpenGLFunctions::compressedFormats;
float OpenGLFunctions::maxPointSize = 0;
int OpenGLFunctions::maxTextureUnits = 0;

void(GL_APIENTRY *OpenGLFunctions::activeTexture)(GLenum) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::multiTexCoord4fEntry)(GLenum, GLfloat, GLfloat, GLfloat,
                                                         GLfloat) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::compressedTexImage2D)(GLenum, GLint, GLenum, GLsizei, GLsizei,
                                                         GLint, GLsizei, const void *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::pointParameterf)(GLenum, GLfloat) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::pointParameterfv)(GLenum, const GLfloat *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::genBuffers)(GLsizei, GLuint *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::deleteBuffers)(GLsizei, const GLuint *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::bindBuffer)(GLenum, GLuint) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::bufferData)(GLenum, GLsizeiptr, const void *, GLenum) = nullptr;

GLuint(GL_APIENTRY *OpenGLFunctions::createProgram)() = nullptr;
void(GL_APIENTRY *OpenGLFunctions::deleteProgram)(GLuint) = nullptr;
GLuint(GL_APIENTRY *OpenGLFunctions::createShader)(GLenum) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::deleteShader)(GLuint) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::shaderSource)(GLuint, GLsizei, const char *const *,
                                                 const GLint *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::compileShader)(GLuint) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::attachShader)(GLuint, GLuint) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::getShaderInfoLog)(GLuint, GLsizei, GLsizei *, char *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::getProgramInfoLog)(GLuint, GLsizei, GLsizei *, char *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::linkProgram)(GLuint) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::useProgram)(GLuint) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::validateProgram)(GLuint) = nullptr;
GLint(GL_APIENTRY *OpenGLFunctions::getUniformLocation)(GLuint, const char *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::uniform1f)(GLint, GLfloat) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::uniform1i)(GLint, GLint) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::uniform1iv)(GLint, GLsizei, const GLint *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::uniformMatrix4fv)(GLint, GLsizei, GLboolean,
                                                     const GLfloat *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::getProgramivEntry)(GLuint, GLenum, GLint *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::getShaderivEntry)(GLuint, GLenum, GLint *) = nullptr;
GLint(GL_APIENTRY *OpenGLFunctions::getAttribLocation)(GLuint, const char *) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::enableVertexAttribArray)(GLuint) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::disableVertexAttribArray)(GLuint) = nullptr;
void(GL_APIENTRY *OpenGLFunctions::vertexAttribPointer)(GLuint, GLint, GLenum, GLboolean, GLsizei,
                                                        const void *) = nullptr;

namespace {

String glText(GLenum name) {
  const GLubyte *text = glGetString(name);
  return String(text ? reinterpret_cast<const char *>(text) : "");
}

template <typename F> void lookUp(F &entry, const char *name) {
  entry = reinterpret_cast<F>(platform::gl::procAddress(name));
}

// The shader entry points in the order they are looked up, with their names.
const char *const shaderEntryNames[] = {"glCreateProgram",
                                        "glDeleteProgram",
                                        "glCreateShader",
                                        "glDeleteShader",
                                        "glShaderSource",
                                        "glCompileShader",
                                        "glAttachShader",
                                        "glGetShaderInfoLog",
                                        "glGetProgramInfoLog",
                                        "glLinkProgram",
                                        "glUseProgram",
                                        "glValidateProgram",
                                        "glGetUniformLocation",
                                        "glUniform1f",
                                        "glUniform1i",
                                        "glUniform1iv",
                                        "glUniformMatrix4fv",
                                        "glGetProgramiv",
                                        "glGetShaderiv",
                                        "glGetAttribLocation",
                                        "glEnableVertexAttribArray",
                                        "glDisableVertexAttribArray",
                                        "glVertexAttribPointer"};

template <typename Visit> void visitShaderEntries(Visit &&visit) {
  using F = OpenGLFunctions;
  visit(F::createProgram, F::deleteProgram, F::createShader, F::deleteShader, F::shaderSource,
        F::compileShader, F::attachShader, F::getShaderInfoLog, F::getProgramInfoLog,
        F::linkProgram, F::useProgram, F::validateProgram, F::getUniformLocation, F::uniform1f,
        F::uniform1i, F::uniform1iv, F::uniformMatrix4fv, F::getProgramivEntry, F::getShaderivEntry,
        F::getAttribLocation, F::enableVertexAttribArray, F::disableVertexAttribArray,
        F::vertexAttribPointer);
}

void lookUpShaderEntryPoints() {
  visitShaderEntries([](auto &...entries) {
    static_assert(sizeof...(entries) == sizeof shaderEntryNames / sizeof shaderEntryNames[0]);
    int i = 0;
    (lookUp(entries, shaderEntryNames[i++]), ...);
  });
}

} // namespace

int OpenGLFunctions::versionLevel(const String &versionText) {
  container::Vector<String> tokens;
  versionText.split(L" ", tokens);
  if (tokens.size() < 3)
    return 5;
  container::Vector<String> parts;
  tokens[2].split(L".", parts);
  int major = parts.isEmpty() ? 0 : String::toInt(parts[0].c_str());
  return major > 1 ? 6 : 5;
}

void OpenGLFunctions::initialize() {
  logLine(String(L"OpenGL vendor: ") + glText(GL_VENDOR));
  logLine(String(L"OpenGL renderer: ") + glText(GL_RENDERER));
  String versionText = glText(GL_VERSION);
  logLine(String(L"OpenGL version: ") + versionText);
  version = versionLevel(versionText);

  for (bool &flag : supported)
    flag = false;
  if (version > 5) {
    for (int g = GROUP_SHADING_LANGUAGE_100; g <= GROUP_FRAGMENT_SHADER; ++g)
      supported[g] = true;
    lookUpShaderEntryPoints();
  }
  if (version > 4) {
    supported[GROUP_VERTEX_BUFFER_OBJECT] = true;
    genBuffers = glGenBuffers;
    deleteBuffers = glDeleteBuffers;
    bindBuffer = glBindBuffer;
    bufferData = glBufferData;
  }
  if (version > 3) {
    supported[GROUP_POINT_PARAMETERS] = true;
    pointParameterf = glPointParameterf;
    pointParameterfv = glPointParameterfv;
  }
  if (version > 2) {
    supported[GROUP_MULTITEXTURE] = true;
    supported[GROUP_TEXTURE_COMPRESSION] = true;
    activeTexture = glActiveTexture;
    multiTexCoord4fEntry = glMultiTexCoord4f;
    compressedTexImage2D = glCompressedTexImage2D;
  }

  if (supported[GROUP_POINT_PARAMETERS]) {
    glGetFloatv(GL_POINT_SIZE_MAX, &maxPointSize);
    pointParameterf(GL_POINT_FADE_THRESHOLD_SIZE, 0.0f);
    pointParameterf(GL_POINT_SIZE_MIN, 0.0f);
    pointParameterf(GL_POINT_SIZE_MAX, maxPointSize);
  }
  if (supported[GROUP_TEXTURE_COMPRESSION]) {
    GLint count = 0;
    glGetIntegerv(GL_NUM_COMPRESSED_TEXTURE_FORMATS, &count);
    if (count > 0) {
      container::Vector<GLint> formats;
      formats.reserve(uint32_t(count));
      formats.setSize(uint32_t(count));
      glGetIntegerv(GL_COMPRESSED_TEXTURE_FORMATS, formats.data());
      for (GLint format : formats)
        compressedFormats.put(int(format), true);
    }
  }
  glGetIntegerv(GL_MAX_TEXTURE_UNITS, &maxTextureUnits);

  logFormat(L"OpenGL maxPointSize: %f", double(maxPointSize));
  logFormat(L"OpenGL maxTextureUnits: %d", maxTextureUnits);
  for (int g = 0; g < GROUP_COUNT; ++g)
    if (supported[g])
      logFormat(L"OpenGL function group supported: %S", groupName(g).text());
}

Symbol OpenGLFunctions::groupName(int group) {
  static const Symbol names[GROUP_COUNT] = {
      Symbol::intern(L"multitexture"),       Symbol::intern(L"textureCompression"),
      Symbol::intern(L"pointParameters"),    Symbol::intern(L"vertexBufferObject"),
      Symbol::intern(L"shadingLanguage100"), Symbol::intern(L"shaderObjects"),
      Symbol::intern(L"vertexShader"),       Symbol::intern(L"vertexProgram"),
      Symbol::intern(L"fragmentShader")};
  return group >= 0 && group < GROUP_COUNT ? names[group] : Symbol::emptySymbol();
}

bool OpenGLFunctions::isCompressedFormatSupported(int format) {
  return supported[GROUP_TEXTURE_COMPRESSION] && compressedFormats.lookup(format) != nullptr;
}

const char *OpenGLFunctions::missingShaderEntryPoint() {
  int missing = -1;
  visitShaderEntries([&missing](auto &...entries) {
    int i = 0;
    ((missing < 0 &&!entries ? missing = i : 0, ++i), ...);
  });
  return missing < 0 ? nullptr : shaderEntryNames[missing];
}

bool OpenGLFunctions::shadersSupported() {
  for (int g = GROUP_SHADING_LANGUAGE_100; g <= GROUP_FRAGMENT_SHADER; ++g)
    if (!supported[g])
      return false;
  return true;
}

void OpenGLFunctions::useNoProgram() {
  if (useProgram)
    useProgram(0);
}

void OpenGLFunctions::multiTexCoord4f(GLenum unit, GLfloat s, GLfloat t, GLfloat r, GLfloat q) {
  multiTexCoord4fEntry(unit, s, t, r, q);
}

void OpenGLFunctions::getProgramiv(GLuint program, GLenum name, GLint *out) {
  if (getProgramivEntry)
    getProgramivEntry(program, name, out);
}

void OpenGLFunctions::getShaderiv(GLuint shader, GLenum name, GLint *out) {
  if (getShaderivEntry)
    getShaderivEntry(shader, name, out);
}

bool OpenGLFunctions::isExtensionSupported(const char *name, const char *list) {
  if (!name || !list || !*name)
    return false;
  size_t length = std::strlen(name);
  const char *p = list;
  while (*p) {
    while (*p == ' ')
      ++p;
    const char *end = p;
    while (*end && *end != ' ')
      ++end;
    if (size_t(end - p) == length && std::strncmp(p, name, length) == 0)
      return true;
    p = end;
  }
  return false;
}
