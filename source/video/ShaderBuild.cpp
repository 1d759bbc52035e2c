// Building a shader program: reading the two sources, compiling, linking and
// validating, each step's info log logged and each status checked.

#include "video/Shader.h"

#include "error/AssertHandler.h"
#include "error/Log.h"
#include "error/Report.h"
#include "file/FileWrapper.h"
#include "video/OpenGLFunctions.h"
#include "video/ShaderListener.h"
#include "video/ShaderParameter.h"

namespace video {

namespace {

void warn(const wchar_t *function, const String &text) {
  framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, function, text);
}

// Reused for every info log read: one for shaders, one for programs.
container::Vector<char> &shaderLog() {
  static container::Vector<char> text;
  return text;
}

container::Vector<char> &programLog() {
  static container::Vector<char> text;
  return text;
}

// The info log as text; empty when there is none.
template <typename Query, typename Read>
String infoLog(GLuint object, container::Vector<char> &buffer, Query query, Read read) {
  GLint length = 0;
  query(object, PARAMETER_INFO_LOG_LENGTH, &length);
  if (length <= 0)
    return String();
  buffer.reserve(uint32_t(length) + 1);
  buffer.setSize(uint32_t(length) + 1);
  GLsizei written = 0;
  read(object, length, &written, buffer.data());
  buffer[uint32_t(written < length ? (written < 0 ? 0 : written) : length)] = 0;
  return String(buffer.data());
}

String shaderInfo(GLuint shader) {
  CORVANE_ASSERT(OpenGLFunctions::supported[OpenGLFunctions::GROUP_SHADER_OBJECTS]);
  return infoLog(shader, shaderLog(), OpenGLFunctions::getShaderiv,
                 OpenGLFunctions::getShaderInfoLog);
}

String programInfo(GLuint program) {
  CORVANE_ASSERT(OpenGLFunctions::supported[OpenGLFunctions::GROUP_SHADER_OBJECTS]);
  return infoLog(program, programLog(), OpenGLFunctions::getProgramiv,
                 OpenGLFunctions::getProgramInfoLog);
}

// The whole file; false when it cannot be read.
bool readWhole(const String &path, container::Vector<char> &out) {
  file::FileWrapper file;
  if (!file.open(path, L"rb"))
    return false;
  uint32_t size = file.size();
  out.reserve(size + 1);
  out.setSize(size);
  if (size > 0)
    file.produceBytes(out.data(), size);
  return true;
}

} // namespace

void Shader::fail() {
  m_failed = true;
  for (ShaderListener *listener : m_listeners)
    listener->shaderFailed(*this);
}

void Shader::initialize() {
  m_initialized = true;
  m_failed = false;
  // A GL that reports the shader groups but lacks one of their entry points
  // would crash on the missing call: such a shader is never built.
  if (const char *missing = OpenGLFunctions::missingShaderEntryPoint()) {
    warn(L"initialize", String(L"Shader (") + displayName() +
                            L") cannot be built: the OpenGL library has no " + String(missing));
    fail();
    return;
  }
  m_vertexShader = OpenGLFunctions::createShader(SHADER_VERTEX);
  m_fragmentShader = OpenGLFunctions::createShader(SHADER_FRAGMENT);
  m_program = OpenGLFunctions::createProgram();

  if (!loadSource(m_vertexShader, m_filenameVertex) ||
      !loadSource(m_fragmentShader, m_filenameFragment)) {
    fail();
    return;
  }
  compile(m_vertexShader, m_filenameVertex);
  compile(m_fragmentShader, m_filenameFragment);

  OpenGLFunctions::attachShader(m_program, m_vertexShader);
  logProgramInfo();
  OpenGLFunctions::attachShader(m_program, m_fragmentShader);
  logProgramInfo();

  OpenGLFunctions::linkProgram(m_program);
  logProgramInfo();
  checkProgramStatus(PARAMETER_LINK_STATUS);

  OpenGLFunctions::validateProgram(m_program);
  logProgramInfo();
  checkProgramStatus(PARAMETER_VALIDATE_STATUS);

  if (m_failed) {
    fail();
    return;
  }
  findLocations();
  for (ShaderListener *listener : m_listeners)
    listener->shaderInitialized(*this);
}

bool Shader::loadSource(uint32_t shader, const String &file) {
  static container::Vector<char> text;
  if (!readWhole(file, text)) {
    warn(L"initialize", String(L"Shader (") + file + L") cannot read its source file");
    return false;
  }
  const char *source = text.data();
  GLint length = GLint(text.size());
  OpenGLFunctions::shaderSource(shader, 1, &source, &length);
  logShaderInfo(shader, file);
  return true;
}

void Shader::compile(uint32_t shader, const String &file) {
  OpenGLFunctions::compileShader(shader);
  logShaderInfo(shader, file);
  checkShaderStatus(shader, file, PARAMETER_COMPILE_STATUS);
}

void Shader::logShaderInfo(uint32_t shader, const String &file) {
  String text = shaderInfo(shader);
  if (!text.isEmpty())
    logLine(String(L"Shader (") + file + L") shader info:\n" + text);
}

void Shader::logProgramInfo() {
  String text = programInfo(m_program);
  if (!text.isEmpty())
    logLine(String(L"Shader (") + displayName() + L") program info:\n" + text);
}

void Shader::checkShaderStatus(uint32_t shader, const String &file, unsigned int status) {
  CORVANE_ASSERT(OpenGLFunctions::supported[OpenGLFunctions::GROUP_SHADER_OBJECTS]);
  GLint value = 0;
  OpenGLFunctions::getShaderiv(shader, status, &value);
  if (value == 1)
    return;
  warn(L"checkShaderStatus", String(L"Shader (") + file + L") " + shaderParameterName(status) +
                                 L":\n" + shaderInfo(shader));
  m_failed = true;
}

void Shader::checkProgramStatus(unsigned int status) {
  CORVANE_ASSERT(OpenGLFunctions::supported[OpenGLFunctions::GROUP_SHADER_OBJECTS]);
  GLint value = 0;
  OpenGLFunctions::getProgramiv(m_program, status, &value);
  if (value == 1)
    return;
  warn(L"checkProgramStatus", String(L"Shader (") + displayName() + L") " +
                                  shaderParameterName(status) + L":\n" + programInfo(m_program));
  m_failed = true;
}

void Shader::findLocations() {
  container::Vector<char> name;
  for (Uniform *uniform : m_uniforms) {
    uniform->name.toString().toNarrow(name);
    uniform->location = OpenGLFunctions::getUniformLocation(m_program, name.data());
  }
  for (Attribute *attribute : m_attributes) {
    attribute->name.toString().toNarrow(name);
    attribute->location = OpenGLFunctions::getAttribLocation(m_program, name.data());
  }
}

} // namespace video
