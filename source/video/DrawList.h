#pragma once
// The 3-D lines and triangles queued during a frame and drawn together
// after the scene. Their records are made once and reused from frame to
// frame; only the counts go back to 0.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "math/Color.h"
#include "math/Vector3.h"

#include <cstdint>

namespace video {

class Canvas;

class DrawList : public NonCopyable {
public:
  struct Line {
    math::Vector3 start;
    math::Vector3 end;
    math::Color color;
  };
  struct Triangle {
    math::Vector3 corners[3];
    math::Color color;
  };

  DrawList() = default;
  ~DrawList();

  // The next free record, counted; the caller fills it.
  Line &nextLine();
  Triangle &nextTriangle();
  // The lines (width 1, with depth, normal blend), then the triangles; then
  // both counts go back to 0.
  void render(Canvas &canvas);

  uint32_t lineCount() const { return m_lineCount; }
  uint32_t triangleCount() const { return m_triangleCount; }
  // Records made so far.
  uint32_t linePoolSize() const { return m_lines.size(); }
  uint32_t trianglePoolSize() const { return m_triangles.size(); }

private:
  uint32_t m_lineCount = 0;
  container::Vector<Line *> m_lines;
  uint32_t m_triangleCount = 0;
  container::Vector<Triangle *> m_triangles;
};

} // namespace video
