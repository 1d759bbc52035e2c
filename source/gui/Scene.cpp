#include "gui/Scene.h"

#include "file/Database.h"
#include "gui/DatabaseKey.h"
#include "gui/Page.h"
#include "gui/SceneWorld.h"
#include "input/InputEvent.h"
#include "video/Canvas.h"
#include "video/Window.h"

namespace GUI {

Scene::Scene() : m_database(Database::current()) {}

void Scene::draw(video::Canvas &canvas) {
  SceneWorld *world = m_database ? currentSceneWorld(*m_database) : nullptr;
  video::Window *window = video::Window::instance();
  if (!world || !window)
    return;
  window->pushViewport(m_viewport);
  m_camera.attachController(*world);
  m_camera.apply(canvas);
  world->renderScene(canvas);
  m_camera.release(canvas);
  m_camera.detachController(*world);
  window->popViewport();
  math::Vector2 size = window->screenSize();
  canvas.setScreenProjection(size.x, size.y);
}

void Scene::trackCapture(const framework::InputEvent &event) {
  Page *p = page();
  if (event.kind == framework::InputEvent::BUTTON_DOWN) {
    if (m_viewport.contains(framework::pointerPosition(event)))
      p->capturePointer(this);
    else
      p->releasePointer(this);
  } else if (event.kind == framework::InputEvent::BUTTON_UP) {
    p->releasePointer(this);
  }
}

bool Scene::handleEvent(const framework::InputEvent &event) {
  if (!isInteractive())
    return false;
  if (routeToChildren(event) || handleOwnEvent(event))
    return true;
  trackCapture(event);
  Symbol name = m_camera.controller();
  if (page()->pointerCapture() != this || name.isEmpty())
    return false;
  SceneWorld *world = m_database ? currentSceneWorld(*m_database) : nullptr;
  CameraController **controller = world ? world->cameraControllers().lookup(name) : nullptr;
  return controller && *controller && (*controller)->handleEvent(m_camera, event);
}

void Scene::load(const quip::Dictionary &d) {
  Widget::load(d);
  if (typedValue(d, SYM(L"database"), quip::TYPE_SYMBOL))
    m_database = databaseOf(d);
  if (const quip::Token *viewport = d.lookup(SYM(L"viewport")))
    m_viewport.fromToken(*viewport);
  if (const quip::Token *camera = typedValue(d, SYM(L"camera"), quip::TYPE_DICTIONARY))
    m_camera.read(camera->dictionary());
}

} // namespace GUI
