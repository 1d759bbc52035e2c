#pragma once
// What the canvas draws of a cloth, declared here because cloth sits above
// rendering: the cloth implements this.

#include "math/Color.h"
#include "math/Vector2.h"
#include "math/Vector3.h"

#include <cstdint>

class Texture;

namespace video {

class Canvas;

// A lit grid of rows x columns vertices.
class ClothSurface {
public:
  virtual ~ClothSurface() = default;
  virtual uint32_t rows() const = 0;
  virtual uint32_t columns() const = 0;
  virtual const math::Vector3 &positionAt(uint32_t row, uint32_t column) const = 0;
  virtual const math::Vector3 &normalAt(uint32_t row, uint32_t column) const = 0;
  virtual const math::Vector2 &texCoordAt(uint32_t row, uint32_t column) const = 0;
  virtual const math::Color &color() const = 0;
  // Null when there is none.
  virtual Texture *texture() const = 0;
  virtual Texture *environmentMap() const = 0;
};

} // namespace video
