#include "particle/Particle.h"

#include "billboard/Billboard3D.h"
#include "particle/Emitter.h"
#include "particle/EmitterDefinition.h"
#include "particle/ParticleSystem.h"
#include "video/Canvas.h"

math::Vector3 Particle::drawnLocation(const math::Vector3 &systemScale) const {
  math::Vector3 offset = location - origin;
  offset *= systemScale;
  return origin + offset;
}

void Particle::render3D(video::Canvas &canvas, Symbol) {
  EmitterDefinition &d = *emitter->definition();
  const ParticleSystem &system = *emitter->system();
  if (!d.billboard)
    return;
  math::Vector2 size = d.initialScale.evaluate(age);
  size *= scale;
  size.x *= system.scale.x;
  size.y *= system.scale.y;
  canvas.pushMatrix();
  canvas.translate(drawnLocation(system.scale));
  canvas.rotate(rotation + d.initialRotation.evaluate(age), 0.0f, 0.0f, -1.0f);
  canvas.scale(size.x, size.y);
  // One billboard serves every particle of every system of the definition.
  d.billboard->initialColor = d.initialColor.evaluate(age);
  d.billboard->alignment = int(system.billboardAlignment);
  d.billboard->render(canvas);
  canvas.popMatrix();
}
