#include "video/DrawList.h"

#include "video/Canvas.h"
#include "video/RenderKeywords.h"

namespace video {

namespace {

// Grows the pool by max(count, 2) fresh records when the next one would
// reach its end.
template <typename R> R &next(container::Vector<R *> &pool, uint32_t &count) {
  if (count + 1 >= pool.size()) {
    uint32_t fresh = count > 2 ? count : 2;
    for (uint32_t i = 0; i < fresh; ++i)
      pool.push(new R());
  }
  return *pool[count++];
}

template <typename R> void release(container::Vector<R *> &pool) {
  for (R *record : pool)
    delete record;
  pool.release();
}

} // namespace

DrawList::~DrawList() {
  release(m_lines);
  release(m_triangles);
}

DrawList::Line &DrawList::nextLine() { return next(m_lines, m_lineCount); }

DrawList::Triangle &DrawList::nextTriangle() { return next(m_triangles, m_triangleCount); }

void DrawList::render(Canvas &canvas) {
  for (uint32_t i = 0; i < m_lineCount; ++i) {
    const Line &line = *m_lines[i];
    canvas.drawLine3D(line.start, line.end, line.color, 1.0f, true, BLEND_NORMAL);
  }
  m_lineCount = 0;
  for (uint32_t i = 0; i < m_triangleCount; ++i) {
    const Triangle &t = *m_triangles[i];
    canvas.drawTriangle(t.corners[0], t.corners[1], t.corners[2], t.color);
  }
  m_triangleCount = 0;
}

} // namespace video
