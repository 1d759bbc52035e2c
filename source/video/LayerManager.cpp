#include "video/LayerManager.h"

#include "error/Assert.h"
#include "video/Layer.h"
#include "video/RenderGroup.h"

namespace video {

namespace {
LayerManager *theManager = nullptr;
}

LayerManager &LayerManager::instance() {
  if (!theManager)
    theManager = new LayerManager;
  return *theManager;
}

void LayerManager::destroyInstance() {
  delete theManager;
  theManager = nullptr;
}

bool LayerManager::exists() { return theManager != nullptr; }

LayerManager::~LayerManager() {
  for (uint32_t i = 0; i < m_layers.size(); ++i)
    delete m_layers[i];
}

void LayerManager::addLayer(Layer *layer) { m_layers.push(layer); }

void LayerManager::insertLayerAt(Layer *layer, unsigned int index) {
  if (index >= m_layers.size()) {
    m_layers.push(layer);
    return;
  }
  m_layers.push(layer);
  for (uint32_t i = m_layers.size() - 1; i > index; --i)
    m_layers[i] = m_layers[i - 1];
  m_layers[index] = layer;
}

bool LayerManager::insertLayerAfter(Layer *layer, Symbol name) {
  for (uint32_t i = 0; i < m_layers.size(); ++i) {
    if (m_layers[i]->name() == name) {
      insertLayerAt(layer, i + 1);
      return true;
    }
  }
  return false;
}

unsigned int LayerManager::getLayerIndex(Symbol name) const {
  for (uint32_t i = 0; i < m_layers.size(); ++i)
    if (m_layers[i]->name() == name)
      return i;
  return 0;
}

Layer &LayerManager::getLayer(Symbol name) const { return getLayerAt(getLayerIndex(name)); }

Layer &LayerManager::getLayerAt(unsigned int index) const {
  CORVANE_ASSERT_MSG(index < m_layers.size(), L"no layer at that index");
  return *m_layers[index];
}

bool LayerManager::handleEvent(const framework::InputEvent &event) {
  for (uint32_t i = m_layers.size(); i-- > 0;)
    if (m_layers[i]->handleEvent(event))
      return true;
  return false;
}

void LayerManager::update(float dt) {
  for (uint32_t i = 0; i < m_layers.size(); ++i)
    m_layers[i]->update(dt);
}

void LayerManager::render(Canvas &canvas) {
  for (uint32_t i = 0; i < m_layers.size(); ++i)
    m_layers[i]->render(canvas);
}

void LayerManager::applyPendingMoves() {
  for (uint32_t i = 0; i < m_layers.size(); ++i)
    m_layers[i]->applyPendingMoves();
}

void LayerManager::createRenderGroups() {
  for (uint32_t i = 0; i < m_layers.size(); ++i) {
    RenderGroup *group = new RenderGroup(m_layers[i]->name());
    m_layers[i]->addRenderGroup(group);
    RenderGroupTable::instance().add(group);
  }
}

} // namespace video
