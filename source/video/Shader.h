#pragma once
// GLSL programs, used only where the context offers the shader groups. Every
// shader is kept in one global list so that a change of GL context can drop
// their GL objects together; the next use compiles them again. Uniforms and
// attributes are declared by name before the first use and get their
// locations when the program is built.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace math {
class Matrix4;
}

namespace video {

class ShaderListener;

class Shader {
public:
  struct Uniform {
    Symbol name;
    int location = 0;
  };
  struct Attribute {
    Symbol name;
    int location = 0;
  };

  Shader(const Shader &) = delete;
  Shader &operator=(const Shader &) = delete;

  // A new shader, nothing compiled yet, appended to the list.
  static Shader *create(const String &vertexFile, const String &fragmentFile);
  // Removed from the list (the last entry takes its place), released, deleted.
  static void destroy(Shader *shader);
  static container::Vector<Shader *> &shaders();
  static void releaseAll();

  // Builds the program on first use (after a release, anew); unless that
  // failed, puts it in use and tells the listeners. Nothing at all where the
  // context offers no shaders. True when the program is in use.
  bool use();
  // Turns off the attribute arrays.
  void unuse();
  // Deletes the GL objects; the next use compiles anew.
  void release();

  // Declared before the first use; found later (null when absent).
  Uniform &addUniform(Symbol name);
  Uniform *findUniform(Symbol name);
  Attribute &addAttribute(Symbol name);
  Attribute *findAttribute(Symbol name);

  void setUniform(const Uniform &uniform, float value);
  void setUniform(const Uniform &uniform, int value);
  // Nothing for a count of 0.
  void setUniform(const Uniform &uniform, int count, const int *values);
  void setUniform(const Uniform &uniform, const math::Matrix4 &matrix);
  // Client-side floats; the array buffer binding is cleared first.
  void setAttribute(const Attribute &attribute, int size, bool normalized, int stride,
                    const void *data);
  void disableAttribute(const Attribute &attribute);

  void addListener(ShaderListener *listener);
  // The first entry equal to the pointer; the last entry takes its place.
  void removeListener(ShaderListener *listener);

  const String &vertexFile() const { return m_filenameVertex; }
  const String &fragmentFile() const { return m_filenameFragment; }
  // "vertex file, fragment file".
  String displayName() const;
  bool failed() const { return m_failed; }
  bool initialized() const { return m_initialized; }
  uint32_t program() const { return m_program; }
  uint32_t vertexShader() const { return m_vertexShader; }
  uint32_t fragmentShader() const { return m_fragmentShader; }

private:
  Shader(const String &vertexFile, const String &fragmentFile);
  ~Shader();

  void initialize();
  void fail();
  bool loadSource(uint32_t shader, const String &file);
  void compile(uint32_t shader, const String &file);
  void checkShaderStatus(uint32_t shader, const String &file, unsigned int status);
  void checkProgramStatus(unsigned int status);
  void logShaderInfo(uint32_t shader, const String &file);
  void logProgramInfo();
  void findLocations();

  String m_filenameVertex;
  String m_filenameFragment;
  bool m_failed = false;
  // Set by a build attempt, whatever its outcome; cleared by release.
  bool m_initialized = false;
  uint32_t m_vertexShader = 0;
  uint32_t m_fragmentShader = 0;
  uint32_t m_program = 0;
  container::Vector<Uniform *> m_uniforms;
  container::HashTable<Symbol, Uniform *> m_uniformTable;
  container::Vector<Attribute *> m_attributes;
  container::HashTable<Symbol, Attribute *> m_attributeTable;
  container::Vector<ShaderListener *> m_listeners;
};

} // namespace video
