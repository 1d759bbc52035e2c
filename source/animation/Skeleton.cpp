#include "animation/Skeleton.h"

#include "animation/SkeletonEvent.h"
#include "animation/SkeletonEventChannel.h"
#include "math/MatrixStack.h"

namespace animation {

namespace {

// The program's two posing stacks; they keep their storage, so posing stops
// allocating once the deepest tree has been posed.
math::MatrixStack &forwardStack() {
  static math::MatrixStack stack;
  return stack;
}

math::MatrixStack &inverseStack() {
  static math::MatrixStack stack;
  return stack;
}

// Marks a skeleton busy for the life of the guard.
class BusyGuard {
public:
  explicit BusyGuard(uint8_t &flag) : m_flag(flag) { m_flag = 1; }
  ~BusyGuard() { m_flag = 0; }
  BusyGuard(const BusyGuard &) = delete;
  BusyGuard &operator=(const BusyGuard &) = delete;

private:
  uint8_t &m_flag;
};

void appendDepthFirst(Node &node, container::Vector<Node *> &out) {
  out.push(&node);
  for (uint32_t i = 0; i < node.childCount(); ++i)
    appendDepthFirst(*node.child(i), out);
}

Node *findDepthFirst(Node &node, Symbol name) {
  if (node.name == name)
    return &node;
  for (uint32_t i = 0; i < node.childCount(); ++i)
    if (Node *found = findDepthFirst(*node.child(i), name))
      return found;
  return nullptr;
}

template <typename T>
void placeFrom(uint32_t first, container::Vector<T *> &events, const math::Vector2 &origin) {
  for (uint32_t i = first; i < events.size(); ++i)
    events[i]->position = origin;
}

} // namespace

void Skeleton::animate(float age) {
  math::MatrixStack &forward = forwardStack();
  math::MatrixStack &inverse = inverseStack();
  forward.reset();
  inverse.reset();
  forward.push();
  inverse.push();
  m_root.animate(age, forward, inverse, math::Color::white, false);
}

void Skeleton::render(video::Canvas &canvas) {
  if (m_busy)
    return;
  BusyGuard guard(m_busy);
  for (Node *node : m_renderList)
    node->render(canvas);
}

Node *Skeleton::findNode(Symbol name) { return findDepthFirst(m_root, name); }

Node *Skeleton::pick(const math::Vector2 &point, Billboard2D *fallback, math::Color &colorOut) {
  if (m_busy)
    return nullptr;
  BusyGuard guard(m_busy);
  for (uint32_t i = m_renderList.size(); i-- > 0;)
    if (m_renderList[i]->hitTest(point, fallback, colorOut))
      return m_renderList[i];
  return nullptr;
}

bool Skeleton::pickNode(Symbol name, const math::Vector2 &point, Billboard2D *fallback,
                        math::Color &colorOut) {
  Node *node = findNode(name);
  if (!node || m_busy)
    return false;
  BusyGuard guard(m_busy);
  return node->hitTest(point, fallback, colorOut);
}

void Skeleton::touch(Database *database) {
  if (m_busy)
    return;
  BusyGuard guard(m_busy);
  m_root.touch(database);
}

void Skeleton::collectEvents(float from, float to, CollectedEvents &out) const {
  for (const Node *node : m_renderList) {
    uint32_t sounds = out.sounds.size();
    uint32_t systems = out.particleSystems.size();
    uint32_t generic = out.generic.size();
    node->eventChannel.collect(from, to, out);
    math::Vector2 origin = node->transform().transformPoint(math::Vector2(0.0f, 0.0f));
    placeFrom(sounds, out.sounds, origin);
    placeFrom(systems, out.particleSystems, origin);
    placeFrom(generic, out.generic, origin);
  }
}

void Skeleton::fillRenderList() {
  m_renderList.clear();
  appendDepthFirst(m_root, m_renderList);
}

void Skeleton::reset() {
  name = Symbol();
  m_root.reset();
  boundsHint = math::Rectangle();
  m_renderList.clear();
}

} // namespace animation
