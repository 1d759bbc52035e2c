// The two ways an emitter draws: each particle as the definition's shared
// billboard, re-coloured per particle, or all of them as one batch of point
// sprites through the canvas.

#include "billboard/Billboard3D.h"
#include "camera/Camera.h"
#include "container/Vector.h"
#include "math/Circle.h"
#include "math/Color.h"
#include "math/Matrix4.h"
#include "particle/Emitter.h"
#include "particle/EmitterDefinition.h"
#include "particle/ParticleSystem.h"
#include "video/Canvas.h"
#include "video/RenderPass.h"
#include "video/Window.h"

#include <algorithm>

void Emitter::draw(video::Canvas &canvas) {
  if (!m_definition->isComplete())
    return;
  if (m_definition->pointSpritesEnabled) {
    drawPointSprites(canvas);
    return;
  }
  for (Particle &p : m_pool)
    if (p.alive)
      p.render3D(canvas, Symbol());
}

namespace {

// Shared by every emitter; they only grow.
container::Vector<float> &spritePositions() {
  static container::Vector<float> positions;
  return positions;
}

container::Vector<uint8_t> &spriteColors() {
  static container::Vector<uint8_t> colors;
  return colors;
}

video::RenderPass &spritePass() {
  static video::RenderPass pass;
  return pass;
}

} // namespace

void Emitter::drawPointSprites(video::Canvas &canvas) {
  const EmitterDefinition &d = *m_definition;
  Billboard3D &billboard = *d.billboard;
  container::Vector<float> &positions = spritePositions();
  container::Vector<uint8_t> &colors = spriteColors();
  positions.clear();
  colors.clear();
  positions.reserve(PoolSize * 3);
  colors.reserve(PoolSize * 4);
  int components = d.pointSpritesIn2D ? 2 : 3;
  // The GL's colour array replaces the current colour: the colours carry
  // the canvas's colour (the system's among it) themselves.
  math::Color tint = canvas.colorStackTop();
  math::Color first;
  bool uniform = true;
  int count = 0;
  for (const Particle &p : m_pool) {
    if (!p.alive)
      continue;
    math::Vector3 at = p.drawnLocation(m_system->scale);
    positions.push(at.x);
    positions.push(at.y);
    if (components == 3)
      positions.push(at.z);
    math::Color c = d.initialColor.evaluate(p.age);
    if (count == 0)
      first = c;
    else if (!(c == first))
      uniform = false;
    c *= tint;
    math::PackedColor packed(c);
    colors.push(packed.r);
    colors.push(packed.g);
    colors.push(packed.b);
    colors.push(packed.a);
    ++count;
  }
  if (count == 0)
    return;

  billboard.settle();
  math::Vector2 size = billboard.size;
  size *= billboard.initialScale;
  size *= d.initialScale.evaluate(m_age);
  size.x *= m_system->scale.x;
  size.y *= m_system->scale.y;
  float pointSize = std::max(size.x, size.y);
  if (const Camera *camera = canvas.camera()) {
    // The size the camera gives a sphere of that radius at the system, in
    // pixels (the camera projects to -1..1 across the view).
    const math::Matrix4 &model = canvas.matrix(video::Canvas::MODEL);
    math::Vector3 a = model.transformPoint(m_system->getPosition());
    math::Vector3 b =
        model.transformPoint(m_system->getPosition() + math::Vector3(pointSize, 0.0f, 0.0f));
    math::Circle projected = camera->projectSphere(a, (b - a).length());
    pointSize = projected.radius * video::Window::screenSize().x * 0.5f;
  }

  video::RenderPass &pass = spritePass();
  pass.texture = billboard.texture();
  pass.blend = billboard.blend();
  pass.blendBehavior = billboard.blendBehavior();
  pass.textureStyle = billboard.textureStyle();
  // Unlit: lighting would replace the particles' colours.
  pass.lit = false;
  pass.cull = false;
  pass.depthTest = false;
  pass.depthWrite = false;
  pass.alphaTest = false;

  float attenuation[3] = {d.pointSpriteAttenuation.x, d.pointSpriteAttenuation.y,
                          d.pointSpriteAttenuation.z};
  if (uniform) {
    canvas.pushColor();
    canvas.multiplyColor(first);
    canvas.setColor(math::Color::white);
  }
  canvas.drawPoints(positions.data(), count, components, uniform ? nullptr : colors.data(),
                    &pointSize, 1, 0.0f, attenuation, pass);
  if (uniform)
    canvas.popColor();
}
