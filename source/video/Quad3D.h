#pragma once
// The smallest 3-D drawable: four corners, each with a colour, a normal and a
// texture coordinate, drawn with one render pass through the canvas's quad
// batch as the triangles (0, 1, 3) and (3, 1, 2). Also the depth-ordered
// lists of 3-D drawables for painter's-order drawing.

#include "math/Color.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "video/RenderPass.h"
#include "video/Renderable.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace math {
class Rectangle;
}

namespace video {

struct BillboardQuad;

class Quad3D : public Renderable {
public:
  Quad3D();

  math::Vector3 &position(int corner) { return m_positions[corner]; }
  const math::Vector3 &position(int corner) const { return m_positions[corner]; }
  math::Color &color(int corner) { return m_colors[corner]; }
  const math::Color &color(int corner) const { return m_colors[corner]; }
  math::Vector3 &normal(int corner) { return m_normals[corner]; }
  math::Vector2 &texCoord(int corner) { return m_texCoords[corner]; }
  const math::Vector2 &texCoord(int corner) const { return m_texCoords[corner]; }
  RenderPass &renderPass() { return m_renderPass; }
  const RenderPass &renderPass() const { return m_renderPass; }

  // Corner 0 top left (y up), then anticlockwise, at z 0.
  void setRectangle(const math::Rectangle &r);
  // The billboard's look at its local rectangle, turned by its rotation.
  void setFromBillboard(const BillboardQuad &billboard);
  // Moved to its 2-D position; no depth test or write.
  void setFromBillboard2D(const BillboardQuad &billboard);
  // Moved to its 3-D position, with its alpha and depth settings.
  void setFromBillboard3D(const BillboardQuad &billboard);

  bool drawsOpaque() const;
  void render(Canvas &canvas) override;

private:
  math::Vector3 m_positions[4];
  math::Color m_colors[4];
  math::Vector3 m_normals[4];
  math::Vector2 m_texCoords[4];
  RenderPass m_renderPass;
};

// Not owned; grows by doubling.
class DepthSortedList {
public:
  DepthSortedList() = default;
  DepthSortedList(const DepthSortedList &) = delete;
  DepthSortedList &operator=(const DepthSortedList &) = delete;
  ~DepthSortedList() { delete[] m_items; }

  void renderAll(Canvas &canvas, Symbol pass);
  // Keeps the storage.
  void renderAllAndClear(Canvas &canvas, Symbol pass);
  // Farthest first along the direction; before an equal one.
  void insertByViewDepth(Renderable3D *drawable, const math::Vector3 &eye,
                         const math::Vector3 &direction);
  // Ascending z; before an equal one.
  void insertByZ(Renderable3D *drawable);
  void clear() { m_count = 0; }

  uint32_t count() const { return m_count; }
  uint32_t capacity() const { return m_capacity; }
  Renderable3D *operator[](uint32_t i) const { return m_items[i]; }

private:
  void insertAt(uint32_t index, Renderable3D *drawable);

  uint32_t m_capacity = 0;
  uint32_t m_count = 0;
  Renderable3D **m_items = nullptr;
};

} // namespace video
