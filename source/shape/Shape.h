#pragma once
// A small 2-D mesh asset: vertices with positions, colours and texture
// coordinates joined into triangle strips and fans, drawn with one texture,
// colour, blend mode and texture style at a position, scale and rotation.
// Scripts define shapes; the canvas draws them.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "math/Color.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "mesh/IndexList.h"
#include "video/RenderKeywords.h"
#include "video/Renderable.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Database;
class Texture;
namespace quip {
class Dictionary;
}

namespace shape {

class Shape : public video::Renderable, public NonCopyable {
public:
  Shape() = default;
  ~Shape() override;

  // The keys present, in order: "name", "vertexPositions" (which sizes the
  // vertices), "vertexColors", "uvs", "strips", "fans", "texture",
  // "position", "scale", "rotation", "color", "blend", "textureStyle".
  // Colours and coordinates past the vertices are cut off; a list naming a
  // vertex the shape does not have is dropped with a warning.
  void read(const Database &database, const quip::Dictionary &dictionary);

  // n vertices at the origin, white, with coordinates (0, 0); the strips
  // and fans stay.
  void setVertexCount(uint32_t n);
  uint32_t vertexCount() const { return m_vertexCount; }
  // Unchecked: i below the vertex count.
  math::Vector3 &vertexPosition(uint32_t i) { return m_positions[i]; }
  math::Color &vertexColor(uint32_t i) { return m_colors[i]; }
  math::Vector2 &uv(uint32_t i) { return m_uvs[i]; }
  const math::Vector3 &vertexPosition(uint32_t i) const { return m_positions[i]; }
  const math::Color &vertexColor(uint32_t i) const { return m_colors[i]; }
  const math::Vector2 &uv(uint32_t i) const { return m_uvs[i]; }

  // Owned lists of vertex indices; code that builds a shape appends its own.
  container::Vector<mesh::IndexList *> &strips() { return m_strips; }
  container::Vector<mesh::IndexList *> &fans() { return m_fans; }
  const container::Vector<mesh::IndexList *> &strips() const { return m_strips; }
  const container::Vector<mesh::IndexList *> &fans() const { return m_fans; }

  void setBlend(int mode) { blend = mode; }
  // Scrolls the texture.
  void offsetUVs(const math::Vector2 &delta);
  // Round the vertex positions only; all zero without vertices.
  math::Rectangle boundingRectangle() const;
  // False for a translucent colour; else the texture's current image decides.
  bool drawsOpaque(float time) const;

  // A new shape with the same vertices, lists and settings; the caller
  // owns it.
  Shape *copy() const;

  // The canvas's shape drawing.
  void render(video::Canvas &canvas) override;
  // Without the texture, in the canvas's shape mode.
  void drawUntextured(video::Canvas &canvas);

  // A grid of rows x columns vertices spanning -1 to 1, one strip per pair
  // of rows; null for fewer than two rows or columns.
  static Shape *createGrid(int rows, int columns);
  // 2n vertices from x 0 to 1 in two rows, one strip; null for n below 2.
  static Shape *createStrip(int n);

  Symbol name;
  // Not owned.
  Texture *texture = nullptr;
  math::Vector2 position;
  math::Vector2 scale{1.0f, 1.0f};
  float rotation = 0.0f;
  math::Color color;
  int blend = video::BLEND_NORMAL;
  uint32_t textureStyle = video::textureStyle::NORMAL;

private:
  void freeVertices();
  void readLists(const quip::Dictionary &dictionary, Symbol key, uint32_t primitive,
                 container::Vector<mesh::IndexList *> &lists);

  uint32_t m_vertexCount = 0;
  math::Vector3 *m_positions = nullptr;
  math::Color *m_colors = nullptr;
  math::Vector2 *m_uvs = nullptr;
  container::Vector<mesh::IndexList *> m_strips;
  container::Vector<mesh::IndexList *> m_fans;
};

// Deletes the lists and empties the vector.
void deleteIndexLists(container::Vector<mesh::IndexList *> &lists);

} // namespace shape
