#include "engine/LevelBase.h"

#include "particle/Effect3D.h"
#include "particle/Effect3DList.h"
#include "video/Canvas.h"
#include "video/Window.h"

LevelBase::LevelBase(Engine *engine) : m_engine(engine) {
  m_camera.setClipFar(50000.0f);
  m_camera.setPosition(math::Vector3(0.0f, 0.0f, 55.0f));
  m_camera.setRotation(math::Vector3(-1.0f, 0.0f, 0.0f), m_cameraAngle);
}

LevelBase::~LevelBase() = default;

void LevelBase::update(float dt) {
  m_totalTime += dt;
  m_effects.update(dt);
}

void LevelBase::addEffect(Effect3D *effect, Symbol list) {
  Effect3DList *effects = m_effects.list(list);
  if (!effects)
    effects = m_effects.addList(list);
  effects->add(effect);
}

void LevelBase::spawnEffect(Symbol definition, const math::Vector3 &position, float scale,
                            const math::Color &colour, Symbol list) {
  auto *effect = new Effect3D(definition, -1.0f);
  effect->location = position;
  effect->scale = scale;
  effect->color = colour;
  addEffect(effect, list);
}

void LevelBase::render(video::Canvas &canvas) {
  // The level lies in the plane z = 0: its drawing stores 2-D positions,
  // except where a pass pushes its own value (the gates' upright barriers).
  canvas.pushVertexDimensionOverride(true);
  m_camera.apply(canvas);
  renderBackground(canvas);
  renderFloors(canvas);
  renderGround(canvas);
  renderBlocks(canvas);
  renderObjects(canvas);
  renderGates(canvas);
  m_camera.release(canvas);
  canvas.setScreenProjection(video::Window::screenSize());
  renderOverlay(canvas);
  canvas.popVertexDimensionOverride();
}
