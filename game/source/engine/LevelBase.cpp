#include "engine/LevelBase.h"

#include "video/Canvas.h"
#include "video/Window.h"

LevelBase::LevelBase(Engine *engine) : m_engine(engine) {
  m_camera.setClipFar(50000.0f);
  m_camera.setPosition(math::Vector3(0.0f, 0.0f, 55.0f));
  m_camera.setRotation(math::Vector3(-1.0f, 0.0f, 0.0f), m_cameraAngle);
}

LevelBase::~LevelBase() = default;

void LevelBase::update(float dt) { m_totalTime += dt; }

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
