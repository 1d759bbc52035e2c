#pragma once
// An animated water surface drawn as a grid of rows x columns vertices, each
// with a position, a texture coordinate and an opacity, under one or more
// render passes. The grid is placed for the camera before every draw;
// placing it from the screen and animating its heights come with the wave
// surface's own work, which fills the tables this holds.

#include "container/Vector.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "video/RenderPass.h"
#include "video/WaterSurface.h"

#include <cstdint>

namespace water {

class Waves : public video::WaveSurface {
public:
  Waves() = default;
  Waves(const Waves &) = delete;
  Waves &operator=(const Waves &) = delete;
  ~Waves() override;

  // New tables of rows x columns vertices: at the origin, coordinate (0, 0),
  // opaque.
  void setResolution(uint32_t rows, uint32_t columns);
  void setVertex(uint32_t row, uint32_t column, const math::Vector3 &position,
                 const math::Vector2 &texCoord, float alpha);
  // Takes ownership.
  video::RenderPass &addRenderPass(video::RenderPass *pass);
  void clearRenderPasses();

  void render(video::Canvas &canvas);
  // The camera the grid was last placed for (null before the first draw).
  const Camera *placedCamera() const { return m_placedCamera; }

  void placeFor(const Camera *camera) override { m_placedCamera = camera; }
  uint32_t rows() const override { return m_rows; }
  uint32_t columns() const override { return m_columns; }
  float alphaAt(uint32_t row, uint32_t column) const override {
    return m_opacities[at(row, column)];
  }
  const math::Vector2 &texCoordAt(uint32_t row, uint32_t column) const override {
    return m_texCoords[at(row, column)];
  }
  const math::Vector3 &positionAt(uint32_t row, uint32_t column) const override {
    return m_positions[at(row, column)];
  }
  uint32_t layerCount() const override { return m_renderPasses.size(); }
  video::RenderPass &layer(uint32_t index) override { return *m_renderPasses[index]; }

private:
  uint32_t at(uint32_t row, uint32_t column) const { return row * m_columns + column; }

  uint32_t m_rows = 0;
  uint32_t m_columns = 0;
  container::Vector<math::Vector3> m_positions;
  container::Vector<math::Vector2> m_texCoords;
  container::Vector<float> m_opacities;
  container::Vector<video::RenderPass *> m_renderPasses;
  const Camera *m_placedCamera = nullptr;
};

} // namespace water
