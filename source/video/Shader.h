#pragma once
// GLSL programs, used only where the context offers the shader groups. Every
// shader is kept in one global list so that a change of GL context can drop
// their GL objects together; the next use compiles them again.

#include "container/Vector.h"
#include "xstring/String.h"

#include <cstdint>

namespace video {

class Shader {
public:
  Shader(const Shader &) = delete;
  Shader &operator=(const Shader &) = delete;

  // A new shader, nothing compiled yet, appended to the list.
  static Shader *create(const String &vertexFile, const String &fragmentFile);
  // Removed from the list (the last entry takes its place), released, deleted.
  static void destroy(Shader *shader);
  static container::Vector<Shader *> &shaders();
  static void releaseAll();

  // Deletes the GL objects; the next use compiles anew.
  void release();

  const String &vertexFile() const { return m_filenameVertex; }
  const String &fragmentFile() const { return m_filenameFragment; }
  bool failed() const { return m_failed; }
  uint32_t program() const { return m_program; }

private:
  Shader(const String &vertexFile, const String &fragmentFile);
  ~Shader();

  String m_filenameVertex;
  String m_filenameFragment;
  bool m_failed = false;
  uint32_t m_vertexShader = 0;
  uint32_t m_fragmentShader = 0;
  uint32_t m_program = 0;
};

} // namespace video
