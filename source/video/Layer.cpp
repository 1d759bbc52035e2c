#include "video/Layer.h"

#include "video/LayerBackdrop.h"
#include "video/Renderable.h"

namespace video {

namespace {

// Ordered removal of the first equal element.
template <typename T> bool removeOrdered(container::Vector<T> &array, T element) {
  int at = array.indexOf(element);
  if (at < 0)
    return false;
  array.removeAt(uint32_t(at));
  return true;
}

template <typename T> bool moveToEnd(container::Vector<T> &array, T element) {
  if (!removeOrdered(array, element))
    return false;
  array.push(element);
  return true;
}

LayerBackdrop *g_backdrop = nullptr;

} // namespace

void Layer::setBackdrop(LayerBackdrop *backdrop) { g_backdrop = backdrop; }
LayerBackdrop *Layer::backdrop() { return g_backdrop; }

Layer::Layer(Symbol name) : m_name(name) {}

Layer::~Layer() {
  for (uint32_t i = 0; i < m_renderGroups.size(); ++i)
    delete m_renderGroups[i];
}

bool Layer::handleEvent(const framework::InputEvent &event) {
  if (!m_enabled)
    return false;
  for (uint32_t i = m_eventHandlers.size(); i-- > 0;) {
    // A handler may have taken itself or others out while handling.
    if (i >= m_eventHandlers.size())
      continue;
    if (m_eventHandlers[i]->handleEvent(event))
      return true;
  }
  return false;
}

void Layer::update(float dt) {
  if (!m_enabled)
    return;
  for (uint32_t i = 0; i < m_renderGroups.size(); ++i)
    m_renderGroups[i]->update(dt);
  applyPendingMoves();
}

void Layer::render(Canvas &canvas) {
  if (!m_enabled)
    return;
  if (g_backdrop)
    g_backdrop->renderLayer(canvas, m_name);
  for (uint32_t i = 0; i < m_renderables.size(); ++i)
    m_renderables[i]->render(canvas);
  for (uint32_t i = 0; i < m_renderGroups.size(); ++i)
    m_renderGroups[i]->render(canvas);
}

void Layer::addEventHandler(framework::EventHandler *handler) { m_eventHandlers.push(handler); }

bool Layer::removeEventHandler(framework::EventHandler *handler) {
  int at = m_eventHandlers.indexOf(handler);
  if (at < 0)
    return false;
  m_eventHandlers.removeSwap(uint32_t(at));
  return true;
}

void Layer::addRenderable(Renderable *renderable) { m_renderables.push(renderable); }

bool Layer::removeRenderable(Renderable *renderable) {
  return removeOrdered(m_renderables, renderable);
}

void Layer::addRenderGroup(Renderable *group) { m_renderGroups.push(group); }

bool Layer::removeRenderGroup(Renderable *group) { return removeOrdered(m_renderGroups, group); }

void Layer::applyPendingMoves() {
  if (m_pendingRenderable) {
    if (!moveToEnd(m_renderGroups, m_pendingRenderable))
      moveToEnd(m_renderables, m_pendingRenderable);
    m_pendingRenderable = nullptr;
  }
  if (m_pendingEventHandler) {
    moveToEnd(m_eventHandlers, m_pendingEventHandler);
    m_pendingEventHandler = nullptr;
  }
}

} // namespace video
