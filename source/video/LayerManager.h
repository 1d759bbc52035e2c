#pragma once
// The one ordered stack of layers: drawn first to last (the last is on top),
// offered input last to first until a layer consumes it.

#include "container/Vector.h"
#include "input/EventHandler.h"
#include "xstring/Symbol.h"

namespace video {

class Canvas;
class Layer;

class LayerManager : public framework::EventHandler {
public:
  static LayerManager &instance();
  // Deletes the manager and with it every layer.
  static void destroyInstance();
  static bool exists();

  LayerManager(const LayerManager &) = delete;
  LayerManager &operator=(const LayerManager &) = delete;
  ~LayerManager() override;

  // The manager takes ownership.
  void addLayer(Layer *layer);
  // Before position index; at the count this appends.
  void insertLayerAt(Layer *layer, unsigned int index);
  // Directly after the first layer of that name. False, and the layer is not
  // taken, when no layer has the name.
  bool insertLayerAfter(Layer *layer, Symbol name);

  // The first layer of that name; 0 when none has it.
  unsigned int getLayerIndex(Symbol name) const;
  // The layer of that name, or the first layer when none has it.
  Layer &getLayer(Symbol name) const;
  Layer &getLayerAt(unsigned int index) const;
  unsigned int layerCount() const { return m_layers.size(); }

  bool handleEvent(const framework::InputEvent &event) override;
  void update(float dt);
  void render(Canvas &canvas);
  void applyPendingMoves();
  // Gives every layer a render group of its own name, in the global table.
  void createRenderGroups();

private:
  LayerManager() = default;

  container::Vector<Layer *> m_layers;
};

} // namespace video
