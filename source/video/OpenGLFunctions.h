#pragma once
// What the current OpenGL context offers: a version level read from its
// version string, nine function groups with their entry points, the
// compressed texture formats, the largest point size and the number of
// texture units. Filled after every video mode set; callers beyond the core
// fixed-function calls ask here first and call through here.

#include "container/HashTable.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <GLES/gl.h>

struct OpenGLFunctions {
  enum Group {
    GROUP_MULTITEXTURE,
    GROUP_TEXTURE_COMPRESSION,
    GROUP_POINT_PARAMETERS,
    GROUP_VERTEX_BUFFER_OBJECT,
    GROUP_SHADING_LANGUAGE_100,
    GROUP_SHADER_OBJECTS,
    GROUP_VERTEX_SHADER,
    GROUP_VERTEX_PROGRAM,
    GROUP_FRAGMENT_SHADER,
    GROUP_COUNT
  };

  static int version;
  static bool supported[GROUP_COUNT];
  static container::HashTable<int, bool> compressedFormats;
  static float maxPointSize;
  static int maxTextureUnits;

  // Groups 0 to 3: from the linked GLES library.
  static void(GL_APIENTRY *activeTexture)(GLenum);
  static void(GL_APIENTRY *multiTexCoord4fEntry)(GLenum, GLfloat, GLfloat, GLfloat, GLfloat);
  static void(GL_APIENTRY *compressedTexImage2D)(GLenum, GLint, GLenum, GLsizei, GLsizei, GLint,
                                                 GLsizei, const void *);
  static void(GL_APIENTRY *pointParameterf)(GLenum, GLfloat);
  static void(GL_APIENTRY *pointParameterfv)(GLenum, const GLfloat *);
  static void(GL_APIENTRY *genBuffers)(GLsizei, GLuint *);
  static void(GL_APIENTRY *deleteBuffers)(GLsizei, const GLuint *);
  static void(GL_APIENTRY *bindBuffer)(GLenum, GLuint);
  static void(GL_APIENTRY *bufferData)(GLenum, GLsizeiptr, const void *, GLenum);

  // The shader entry points, looked up by name (null when the GL lacks one).
  static GLuint(GL_APIENTRY *createProgram)();
  static void(GL_APIENTRY *deleteProgram)(GLuint);
  static GLuint(GL_APIENTRY *createShader)(GLenum);
  static void(GL_APIENTRY *deleteShader)(GLuint);
  static void(GL_APIENTRY *shaderSource)(GLuint, GLsizei, const char *const *, const GLint *);
  static void(GL_APIENTRY *compileShader)(GLuint);
  static void(GL_APIENTRY *attachShader)(GLuint, GLuint);
  static void(GL_APIENTRY *getShaderInfoLog)(GLuint, GLsizei, GLsizei *, char *);
  static void(GL_APIENTRY *getProgramInfoLog)(GLuint, GLsizei, GLsizei *, char *);
  static void(GL_APIENTRY *linkProgram)(GLuint);
  static void(GL_APIENTRY *useProgram)(GLuint);
  static void(GL_APIENTRY *validateProgram)(GLuint);
  static GLint(GL_APIENTRY *getUniformLocation)(GLuint, const char *);
  static void(GL_APIENTRY *uniform1f)(GLint, GLfloat);
  static void(GL_APIENTRY *uniform1i)(GLint, GLint);
  static void(GL_APIENTRY *uniform1iv)(GLint, GLsizei, const GLint *);
  static void(GL_APIENTRY *uniformMatrix4fv)(GLint, GLsizei, GLboolean, const GLfloat *);
  static void(GL_APIENTRY *getProgramivEntry)(GLuint, GLenum, GLint *);
  static void(GL_APIENTRY *getShaderivEntry)(GLuint, GLenum, GLint *);
  static GLint(GL_APIENTRY *getAttribLocation)(GLuint, const char *);
  static void(GL_APIENTRY *enableVertexAttribArray)(GLuint);
  static void(GL_APIENTRY *disableVertexAttribArray)(GLuint);
  static void(GL_APIENTRY *vertexAttribPointer)(GLuint, GLint, GLenum, GLboolean, GLsizei,
                                                const void *);

  // Detects everything for the current context and logs what it found.
  static void initialize();
  // 6 when the third blank-separated token of the version string has a major
  // number above 1, else 5 (also for a string of fewer than three tokens).
  static int versionLevel(const String &versionText);

  static Symbol groupName(int group);
  static bool isCompressedFormatSupported(int format);
  // Groups 4 to 8 together.
  static bool shadersSupported();
  // The name of the first shader entry point the GL did not resolve; null
  // when every one did.
  static const char *missingShaderEntryPoint();
  static void useNoProgram();
  static void multiTexCoord4f(GLenum unit, GLfloat s, GLfloat t, GLfloat r, GLfloat q);
  static void getProgramiv(GLuint program, GLenum name, GLint *out);
  static void getShaderiv(GLuint shader, GLenum name, GLint *out);
  // The name is one whole token of a blank-separated list.
  static bool isExtensionSupported(const char *name, const char *list);
};
