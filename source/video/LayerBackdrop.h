#pragma once
// What draws first on every enabled layer, before the layer's own contents:
// the current game engine, which hands itself in when it becomes current.

#include "xstring/Symbol.h"

namespace video {

class Canvas;

class LayerBackdrop {
public:
  virtual ~LayerBackdrop() = default;
  virtual void renderLayer(Canvas &canvas, Symbol layerName) = 0;
};

} // namespace video
