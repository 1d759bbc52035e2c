#pragma once
// What the canvas draws of water and waves, declared here because they sit
// above rendering: each implements its interface, and the water's patches
// are these records.

#include "math/Vector2.h"
#include "math/Vector3.h"
#include "video/RenderPass.h"

#include <cstdint>

class Camera;

namespace video {

class Canvas;

// A flat textured patch on the water: centre, turn about the vertical and
// half extents (x and z used).
struct WaterPatch {
  RenderPass renderPass;
  math::Vector3 position;
  float rotation = 0.0f;
  math::Vector3 extents;
};

class WaterSurface {
public:
  virtual ~WaterSurface() = default;
  // Cells along each side of the surface; 0 counts as 1.
  virtual uint32_t resolution() const = 0;
  virtual uint32_t layerCount() const = 0;
  virtual RenderPass &layer(uint32_t index) = 0;
  virtual uint32_t patchCount() const = 0;
  virtual WaterPatch &patch(uint32_t index) = 0;
  virtual uint32_t shoreEdgeCount() const = 0;
  // Hands the edge to the canvas's water-edge drawing.
  virtual void drawShoreEdge(uint32_t index, Canvas &canvas) = 0;
};

// A grid of rows x columns vertices placed for the camera before drawing.
class WaveSurface {
public:
  virtual ~WaveSurface() = default;
  // The canvas's camera, null when there is none.
  virtual void placeFor(const Camera *camera) = 0;
  virtual uint32_t rows() const = 0;
  virtual uint32_t columns() const = 0;
  virtual float alphaAt(uint32_t row, uint32_t column) const = 0;
  virtual const math::Vector2 &texCoordAt(uint32_t row, uint32_t column) const = 0;
  virtual const math::Vector3 &positionAt(uint32_t row, uint32_t column) const = 0;
  virtual uint32_t layerCount() const = 0;
  virtual RenderPass &layer(uint32_t index) = 0;
};

} // namespace video
