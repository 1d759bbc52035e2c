#pragma once
// A piece of cloth hanging from a pole: a grid of atoms (columns away from
// the pole, rows along it) drawn lit with its colour, its texture or an
// environment map. Atom (column i, row j) is atom j + rows x i of the
// structure. The stick and pin constraints and the wind that move it come
// with the cloth's own work.

#include "container/Vector.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "physics/Structure3D.h"
#include "video/ClothSurface.h"

#include <cstdint>

namespace cloth {

class Cloth : public video::ClothSurface {
public:
  Cloth() = default;
  // Laid out flat in the x-y plane from the pole at the origin: column i at
  // x = i x scale.x, row j at y = -j x scale.y.
  Cloth(uint32_t columns, uint32_t rows, const math::Vector3 &scale);

  // Atoms, normals (0, 1, 0) and texture coordinates for the current size.
  void rebuild();
  physics::Structure3D &structure() { return m_structure; }
  void setNormal(uint32_t row, uint32_t column, const math::Vector3 &normal) {
    m_normals[at(row, column)] = normal;
  }
  void setColor(const math::Color &color) { m_color = color; }
  void setTexture(Texture *texture) { m_texture = texture; }
  void setEnvironmentMap(Texture *texture) { m_environmentMap = texture; }
  const math::Vector3 &scale() const { return m_scale; }

  // Under its own light (from lightVector), then the light is off again.
  void render(video::Canvas &canvas);

  uint32_t rows() const override { return m_rows; }
  uint32_t columns() const override { return m_columns; }
  const math::Vector3 &positionAt(uint32_t row, uint32_t column) const override {
    return m_structure.getAtom(at(row, column)).position;
  }
  const math::Vector3 &normalAt(uint32_t row, uint32_t column) const override {
    return m_normals[at(row, column)];
  }
  const math::Vector2 &texCoordAt(uint32_t row, uint32_t column) const override {
    return m_texCoords[at(row, column)];
  }
  const math::Color &color() const override { return m_color; }
  Texture *texture() const override { return m_texture; }
  Texture *environmentMap() const override { return m_environmentMap; }

  math::Vector3 lightVector{-1.0f, 0.0f, 0.0f};

private:
  uint32_t at(uint32_t row, uint32_t column) const { return row + m_rows * column; }

  uint32_t m_columns = 0;
  uint32_t m_rows = 0;
  container::Vector<math::Vector3> m_normals;
  container::Vector<math::Vector2> m_texCoords;
  physics::Structure3D m_structure;
  math::Color m_color{1.0f, 1.0f, 1.0f, 1.0f};
  math::Vector3 m_scale{1.0f, 1.0f, 1.0f};
  Texture *m_texture = nullptr;
  Texture *m_environmentMap = nullptr;
};

} // namespace cloth
