#pragma once
// The items a scene draws late, in ascending order of their keys; among
// equal keys, in the order they came. The list owns its nodes (kept for
// reuse once cleared), not its items.

#include "file/NonCopyable.h"

namespace video {

class Canvas;

// Something drawn late: terrain grids put their late-drawn parts here.
class LateRenderable {
public:
  virtual ~LateRenderable() = default;
  virtual float renderKey() const = 0;
  virtual void renderLate(Canvas &canvas) = 0;
};

class RenderList : public NonCopyable {
public:
  struct Node {
    Node *previous;
    LateRenderable *item;
    Node *next;
  };

  RenderList() = default;
  ~RenderList();

  // After every item whose key is not greater.
  void insert(LateRenderable *item);
  // Each item's late draw, first to last.
  void render(Canvas &canvas);
  // Empties the list; the items are untouched.
  void clear();
  const Node *first() const { return m_first; }
  bool isEmpty() const { return m_first == nullptr; }

private:
  Node *m_first = nullptr;
  Node *m_last = nullptr;
  // Nodes of earlier frames, for reuse.
  Node *m_spare = nullptr;
};

} // namespace video
