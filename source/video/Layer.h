#pragma once
// One depth of the screen: the drawables and event handlers that belong
// there. A layer draws its drawables, then its render groups, in order, and
// offers input to its handlers from the last added to the first. Moves to the
// front are recorded and applied later, so that a page may raise itself while
// the very arrays are being walked.

#include "container/Vector.h"
#include "input/EventHandler.h"
#include "xstring/Symbol.h"

namespace video {

class Canvas;
class LayerBackdrop;
class Renderable;

class Layer : public framework::EventHandler {
public:
  explicit Layer(Symbol name);
  Layer(const Layer &) = delete;
  Layer &operator=(const Layer &) = delete;
  // Deletes the render groups; drawables and handlers belong to their creators.
  ~Layer() override;

  Symbol name() const { return m_name; }
  void setName(Symbol name) { m_name = name; }
  // A disabled layer neither draws, updates nor takes events.
  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled) { m_enabled = enabled; }

  bool handleEvent(const framework::InputEvent &event) override;
  // The render groups, then the pending moves; drawables are updated by their owners.
  void update(float dt);
  void render(Canvas &canvas);

  void addEventHandler(framework::EventHandler *handler);
  // The last handler takes the removed one's place.
  bool removeEventHandler(framework::EventHandler *handler);
  void addRenderable(Renderable *renderable);
  bool removeRenderable(Renderable *renderable);
  // The layer takes ownership; removing gives it back.
  void addRenderGroup(Renderable *group);
  bool removeRenderGroup(Renderable *group);

  void moveRenderableToFront(Renderable *renderable) { m_pendingRenderable = renderable; }
  void moveEventHandlerToFront(framework::EventHandler *handler) {
    m_pendingEventHandler = handler;
  }
  void applyPendingMoves();

  // What every layer draws first; null draws nothing. Not owned.
  static void setBackdrop(LayerBackdrop *backdrop);
  static LayerBackdrop *backdrop();

  const container::Vector<framework::EventHandler *> &eventHandlers() const {
    return m_eventHandlers;
  }
  const container::Vector<Renderable *> &renderables() const { return m_renderables; }
  const container::Vector<Renderable *> &renderGroups() const { return m_renderGroups; }

private:
  Symbol m_name;
  bool m_enabled = true;
  container::Vector<framework::EventHandler *> m_eventHandlers;
  container::Vector<Renderable *> m_renderables;
  container::Vector<Renderable *> m_renderGroups;
  Renderable *m_pendingRenderable = nullptr;
  framework::EventHandler *m_pendingEventHandler = nullptr;
};

} // namespace video
