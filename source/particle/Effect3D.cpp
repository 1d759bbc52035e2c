#include "particle/Effect3D.h"

#include "billboard/BillboardKeys.h"
#include "math/ColorScript.h"
#include "math/ScriptForms.h"
#include "particle/ParticleKeys.h"
#include "particle/ParticleSystem.h"
#include "particle/ParticleSystemDefinition.h"
#include "particle/ParticleSystemFactory.h"
#include "quip/Token.h"
#include "video/Canvas.h"

Effect3D::Effect3D(Symbol particleSystem, float lifespan) : lifespan(lifespan) {
  if (ParticleSystemFactory *factory = ParticleSystemFactory::current())
    m_system = factory->definition(particleSystem)->instantiate();
}

Effect3D::~Effect3D() { delete m_system; }

Symbol Effect3D::systemName() const { return m_system ? m_system->definition()->name : Symbol(); }

void Effect3D::read(const quip::Dictionary &d) {
  const ParticleKeys &k = particleKeys();
  const BillboardKeys &placement = billboardKeys();
  quip::lookupVector3(d, placement.position, quip::TYPE_ARRAY, location);
  quip::lookupVector3(d, k.velocity, quip::TYPE_ARRAY, velocity);
  if (const quip::Token *t = d.lookup(k.scale))
    t->get(scale);
  if (const quip::Token *t = d.lookup(k.angle))
    t->get(angle);
  quip::lookupColor(d, k.color, quip::TYPE_ARRAY, color);
  if (const quip::Token *t = d.lookup(k.lifespan))
    t->get(lifespan);
  quip::lookupBool(d, placement.depthTest, quip::TYPE_SYMBOL, depthTest);
  quip::lookupBool(d, placement.depthWrite, quip::TYPE_SYMBOL, depthWrite);
  if (const quip::Token *t = d.lookupTyped(placement.alignment, quip::TYPE_SYMBOL)) {
    Symbol s;
    t->get(s);
    if (s == placement.xy)
      alignment = ALIGN_XY;
    else if (s == placement.xz)
      alignment = ALIGN_XZ;
    else if (s == placement.faceCamera)
      alignment = ALIGN_FACE_CAMERA;
  }
}

bool Effect3D::isFinished() const {
  if (lifespan >= 0.0f && age >= lifespan)
    return true;
  return !m_system || m_system->isFinished();
}

void Effect3D::update(float dt) {
  if (isFinished())
    return;
  age += dt;
  location += velocity * dt;
  m_system->update(dt);
}

namespace {

// True while no override decides the depth test (an enclosing one wins).
bool depthTestFree(const video::Canvas &canvas) {
  return canvas.effectiveDepthTest(true) && !canvas.effectiveDepthTest(false);
}

bool depthWriteFree(const video::Canvas &canvas) {
  return canvas.effectiveDepthWrite(true) && !canvas.effectiveDepthWrite(false);
}

} // namespace

void Effect3D::render3D(video::Canvas &canvas, Symbol pass) {
  if (!pass.isEmpty() || isFinished())
    return;
  // Overrides, so that the particles' own billboards follow the effect's
  // depth settings.
  bool setsDepthTest = depthTestFree(canvas);
  bool setsDepthWrite = depthWriteFree(canvas);
  if (setsDepthTest)
    canvas.pushDepthTestOverride(depthTest);
  if (setsDepthWrite)
    canvas.pushDepthWriteOverride(depthWrite);
  canvas.pushMatrix();
  canvas.translate(location);
  int turn = alignment;
  // Without a camera there is nothing to face.
  if (turn == ALIGN_FACE_CAMERA && !canvas.camera())
    turn = ALIGN_XY;
  if (turn == ALIGN_XZ) {
    canvas.rotate(90.0f, -1.0f, 0.0f, 0.0f);
  } else if (turn == ALIGN_FACE_CAMERA) {
    const video::CameraView &view = canvas.cameraView();
    canvas.rotate(view.angle, view.axis.x, view.axis.y, view.axis.z);
  }
  canvas.rotate(angle, 0.0f, 0.0f, -1.0f);
  canvas.scale(scale, scale, scale);
  bool tinted = !(color == math::Color::white);
  if (tinted) {
    canvas.pushColor();
    canvas.multiplyColor(color);
  }
  m_system->render(canvas);
  if (tinted)
    canvas.popColor();
  canvas.popMatrix();
  if (setsDepthWrite)
    canvas.popDepthWriteOverride();
  if (setsDepthTest)
    canvas.popDepthTestOverride();
}
