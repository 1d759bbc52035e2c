#include "video/Shader.h"

#include "video/OpenGLFunctions.h"

namespace video {

Shader::Shader(const String &vertexFile, const String &fragmentFile)
    : m_filenameVertex(vertexFile), m_filenameFragment(fragmentFile) {}

Shader::~Shader() { release(); }

container::Vector<Shader *> &Shader::shaders() {
  static container::Vector<Shader *> list;
  return list;
}

Shader *Shader::create(const String &vertexFile, const String &fragmentFile) {
  Shader *shader = new Shader(vertexFile, fragmentFile);
  shaders().push(shader);
  return shader;
}

void Shader::destroy(Shader *shader) {
  int i = shaders().indexOf(shader);
  if (i < 0)
    return;
  shaders().removeSwap(uint32_t(i));
  delete shader;
}

void Shader::releaseAll() {
  for (Shader *shader : shaders())
    shader->release();
}

void Shader::release() {
  m_failed = false;
  if (m_vertexShader && OpenGLFunctions::deleteShader)
    OpenGLFunctions::deleteShader(m_vertexShader);
  if (m_fragmentShader && OpenGLFunctions::deleteShader)
    OpenGLFunctions::deleteShader(m_fragmentShader);
  if (m_program && OpenGLFunctions::deleteProgram)
    OpenGLFunctions::deleteProgram(m_program);
  m_vertexShader = m_fragmentShader = m_program = 0;
}

} // namespace video
