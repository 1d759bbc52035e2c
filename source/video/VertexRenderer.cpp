#include "video/VertexRenderer.h"

#include "math/Color.h"
#include "video/Canvas.h"

namespace video {

namespace {

const Symbol *primitiveTable() {
  static const Symbol table[PRIMITIVE_COUNT] = {Symbol::intern(L"triangleList"),
                                                Symbol::intern(L"triangleStrip"),
                                                Symbol::intern(L"triangleFan")};
  return table;
}

} // namespace

Symbol primitiveSymbol(int primitive) {
  return primitive >= 0 && primitive < PRIMITIVE_COUNT ? primitiveTable()[primitive]
                                                       : Symbol::emptySymbol();
}

int primitiveFromSymbol(Symbol keyword) {
  for (int i = 0; i < PRIMITIVE_COUNT; ++i)
    if (primitiveTable()[i] == keyword)
      return i;
  return PRIMITIVE_COUNT;
}

bool isValidVertexCount(int primitive, int count) {
  switch (primitive) {
  case PRIMITIVE_TRIANGLE_STRIP:
  case PRIMITIVE_TRIANGLE_FAN:
    return count > 2;
  case PRIMITIVE_TRIANGLE_LIST:
    return count > 0 && count % 3 == 0;
  default:
    return false;
  }
}

void OpenGLVertexRenderer::end() {
  m_canvas->drawVertices(*this);
  m_positions.clear();
  m_colors.clear();
  m_normals.clear();
  m_texCoords.clear();
  VertexRenderer::end();
}

void OpenGLVertexRenderer::normal(const math::Vector3 &n) {
  m_normals.push(n.x);
  m_normals.push(n.y);
  m_normals.push(n.z);
}

void OpenGLVertexRenderer::texCoord(const math::Vector2 &t) {
  m_texCoords.push(t.x);
  m_texCoords.push(t.y);
}

void OpenGLVertexRenderer::vertex(const math::Vector3 &p) {
  math::PackedColor c(m_canvas->color());
  m_colors.push(c.r);
  m_colors.push(c.g);
  m_colors.push(c.b);
  m_colors.push(c.a);
  if (m_positions.isEmpty())
    m_twoD = m_canvas->is2D();
  m_positions.push(p.x);
  m_positions.push(p.y);
  if (!m_twoD)
    m_positions.push(p.z);
}

void OpenGLVertexRenderer::vertex(const math::Vector3 &position, const math::Vector3 &n,
                                  const math::Vector2 &t) {
  normal(n);
  texCoord(t);
  vertex(position);
}

int OpenGLVertexRenderer::vertexCount() const {
  return int(m_positions.size() / (m_twoD ? 2u : 3u));
}

} // namespace video
