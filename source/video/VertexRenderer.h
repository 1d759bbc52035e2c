#pragma once
// Geometry collected one vertex at a time, immediate-mode style, and handed
// to the canvas in one draw call when the primitive ends.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace video {

class Canvas;
class OpenGLVertexRenderer;

enum Primitive {
  PRIMITIVE_TRIANGLE_LIST,
  PRIMITIVE_TRIANGLE_STRIP,
  PRIMITIVE_TRIANGLE_FAN,
  PRIMITIVE_COUNT
};

// Bits of a vertex format: colours and normals drawn; texture coordinates
// are drawn whenever any were given.
enum VertexFormat {
  FORMAT_TEXCOORDS = 1,
  FORMAT_COLORS = 2,
  FORMAT_NORMALS = 4,
  FORMAT_NONE = 8,
  FORMAT_COLORED = FORMAT_COLORS | FORMAT_TEXCOORDS,
  FORMAT_LIT = FORMAT_NORMALS | FORMAT_TEXCOORDS
};

// "triangleList", "triangleStrip", "triangleFan"; the empty Symbol beyond.
Symbol primitiveSymbol(int primitive);
// PRIMITIVE_COUNT for any other keyword.
int primitiveFromSymbol(Symbol keyword);
// Strips and fans: more than 2; lists: a non-zero multiple of 3.
bool isValidVertexCount(int primitive, int count);

class VertexRenderer : public NonCopyable {
public:
  explicit VertexRenderer(Canvas &canvas) : m_canvas(&canvas) {}
  virtual ~VertexRenderer() = default;

  virtual void begin(int format, int primitive) {
    m_format = format;
    m_primitive = primitive;
  }
  virtual void end() {
    m_primitive = PRIMITIVE_COUNT;
    m_format = FORMAT_NONE;
  }
  // Normal and coordinate come before the vertex they belong to.
  virtual void normal(const math::Vector3 &n) = 0;
  virtual void texCoord(const math::Vector2 &t) = 0;
  // Takes the canvas's current colour.
  virtual void vertex(const math::Vector3 &position) = 0;
  virtual void vertex(const math::Vector3 &position, const math::Vector3 &normal,
                      const math::Vector2 &texCoord) = 0;
  virtual int vertexCount() const = 0;
  virtual OpenGLVertexRenderer *asOpenGLVertexRenderer() { return nullptr; }

  void vertex(float x, float y, float z) { vertex(math::Vector3(x, y, z)); }
  void normal(float x, float y, float z) { normal(math::Vector3(x, y, z)); }
  void texCoord(float u, float v) { texCoord(math::Vector2(u, v)); }

  Canvas &canvas() const { return *m_canvas; }
  int primitive() const { return m_primitive; }
  int format() const { return m_format; }

protected:
  Canvas *m_canvas;
  int m_primitive = PRIMITIVE_COUNT;
  int m_format = FORMAT_NONE;
};

// Plain arrays in the layout that GL vertex arrays take.
class OpenGLVertexRenderer : public VertexRenderer {
public:
  explicit OpenGLVertexRenderer(Canvas &canvas) : VertexRenderer(canvas) {}

  // Draws through the canvas, then empties the arrays (keeping their storage).
  void end() override;
  void normal(const math::Vector3 &n) override;
  void texCoord(const math::Vector2 &t) override;
  void vertex(const math::Vector3 &position) override;
  void vertex(const math::Vector3 &position, const math::Vector3 &normal,
              const math::Vector2 &texCoord) override;
  int vertexCount() const override;
  OpenGLVertexRenderer *asOpenGLVertexRenderer() override { return this; }
  using VertexRenderer::normal;
  using VertexRenderer::texCoord;
  using VertexRenderer::vertex;

  const container::Vector<float> &positions() const { return m_positions; }
  const container::Vector<uint8_t> &colors() const { return m_colors; }
  const container::Vector<float> &normals() const { return m_normals; }
  const container::Vector<float> &texCoords() const { return m_texCoords; }
  // Positions of 2 floats: the canvas was in 2-D mode at the first vertex.
  bool twoD() const { return m_twoD; }

private:
  container::Vector<float> m_positions;
  container::Vector<uint8_t> m_colors;
  container::Vector<float> m_normals;
  container::Vector<float> m_texCoords;
  bool m_twoD = false;
};

} // namespace video
