#include "video/Shader.h"

#include "math/Matrix4.h"
#include "video/OpenGLFunctions.h"
#include "video/ShaderListener.h"

namespace video {

Shader::Shader(const String &vertexFile, const String &fragmentFile)
    : m_filenameVertex(vertexFile), m_filenameFragment(fragmentFile) {}

Shader::~Shader() {
  release();
  for (Uniform *uniform : m_uniforms)
    delete uniform;
  for (Attribute *attribute : m_attributes)
    delete attribute;
}

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

String Shader::displayName() const { return m_filenameVertex + L", " + m_filenameFragment; }

bool Shader::use() {
  if (!OpenGLFunctions::shadersSupported())
    return false;
  if (!m_initialized)
    initialize();
  if (m_failed)
    return false;
  OpenGLFunctions::useProgram(m_program);
  for (ShaderListener *listener : m_listeners)
    listener->shaderUsed(*this);
  return true;
}

void Shader::unuse() {
  if (!OpenGLFunctions::disableVertexAttribArray)
    return;
  for (Attribute *attribute : m_attributes)
    OpenGLFunctions::disableVertexAttribArray(GLuint(attribute->location));
}

void Shader::release() {
  m_failed = false;
  m_initialized = false;
  if (m_vertexShader && OpenGLFunctions::deleteShader)
    OpenGLFunctions::deleteShader(m_vertexShader);
  if (m_fragmentShader && OpenGLFunctions::deleteShader)
    OpenGLFunctions::deleteShader(m_fragmentShader);
  if (m_program && OpenGLFunctions::deleteProgram)
    OpenGLFunctions::deleteProgram(m_program);
  m_vertexShader = m_fragmentShader = m_program = 0;
}

namespace {

// The entry of that name, made and listed when there is none yet.
template <typename Entry>
Entry &addNamed(container::Vector<Entry *> &list, container::HashTable<Symbol, Entry *> &table,
                Symbol name) {
  if (Entry **found = table.lookup(name))
    return **found;
  Entry *entry = new Entry{name, 0};
  list.push(entry);
  table.put(name, entry);
  return *entry;
}

template <typename Entry>
Entry *findNamed(container::HashTable<Symbol, Entry *> &table, Symbol name) {
  Entry **found = table.lookup(name);
  return found ? *found : nullptr;
}

} // namespace

Shader::Uniform &Shader::addUniform(Symbol name) {
  return addNamed(m_uniforms, m_uniformTable, name);
}

Shader::Uniform *Shader::findUniform(Symbol name) { return findNamed(m_uniformTable, name); }

Shader::Attribute &Shader::addAttribute(Symbol name) {
  return addNamed(m_attributes, m_attributeTable, name);
}

Shader::Attribute *Shader::findAttribute(Symbol name) { return findNamed(m_attributeTable, name); }

void Shader::setUniform(const Uniform &uniform, float value) {
  OpenGLFunctions::uniform1f(uniform.location, value);
}

void Shader::setUniform(const Uniform &uniform, int value) {
  OpenGLFunctions::uniform1i(uniform.location, value);
}

void Shader::setUniform(const Uniform &uniform, int count, const int *values) {
  if (count > 0)
    OpenGLFunctions::uniform1iv(uniform.location, count, values);
}

void Shader::setUniform(const Uniform &uniform, const math::Matrix4 &matrix) {
  GLfloat columns[16];
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      columns[4 * c + r] = matrix.m[4 * r + c];
  OpenGLFunctions::uniformMatrix4fv(uniform.location, 1, GL_FALSE, columns);
}

void Shader::setAttribute(const Attribute &attribute, int size, bool normalized, int stride,
                          const void *data) {
  OpenGLFunctions::enableVertexAttribArray(GLuint(attribute.location));
  OpenGLFunctions::bindBuffer(GL_ARRAY_BUFFER, 0);
  OpenGLFunctions::vertexAttribPointer(GLuint(attribute.location), size, GL_FLOAT,
                                       normalized ? GL_TRUE : GL_FALSE, stride, data);
}

void Shader::disableAttribute(const Attribute &attribute) {
  OpenGLFunctions::disableVertexAttribArray(GLuint(attribute.location));
}

void Shader::addListener(ShaderListener *listener) { m_listeners.push(listener); }

void Shader::removeListener(ShaderListener *listener) {
  int i = m_listeners.indexOf(listener);
  if (i >= 0)
    m_listeners.removeSwap(uint32_t(i));
}

} // namespace video
