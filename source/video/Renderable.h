#pragma once
// The drawable bases: anything a layer or a render group draws.

#include "math/Vector3.h"
#include "xstring/Symbol.h"

namespace video {

class Canvas;

class Renderable {
public:
  virtual ~Renderable() = default;
  virtual void update(float dt) { (void)dt; }
  virtual void render(Canvas &canvas) = 0;
};

// A drawable that can say it is done, so that its render group retires it.
class RenderableObject : public Renderable {
public:
  virtual bool isFinished() const { return m_finished != 0; }
  virtual void finish() { m_finished = 1; }

protected:
  unsigned char m_finished = 0;
};

// A drawable placed in 3-D, drawn for a named pass; depth-sorted lists order
// these by their position.
class Renderable3D : public Renderable {
public:
  virtual void render3D(Canvas &canvas, Symbol pass) {
    (void)pass;
    render(canvas);
  }
  virtual math::Vector3 position() const = 0;
};

} // namespace video
