#include "animation/Node.h"

#include "animation/Skeleton.h"
#include "billboard/Billboard2D.h"
#include "math/MatrixStack.h"
#include "video/Canvas.h"

#include <algorithm>

namespace animation {

namespace {

const math::Vector3 clockwise(0.0f, 0.0f, -1.0f);

// The rectangle's four corners mapped through the matrix, grown into the
// bounds; the first corner sets them when they are still unset.
void includeMapped(const math::Rectangle &r, const math::Matrix4 &m, math::Rectangle &bounds,
                   bool &set) {
  const math::Vector2 corners[4] = {
      {r.x, r.y}, {r.x + r.width, r.y}, {r.x, r.y + r.height}, {r.x + r.width, r.y + r.height}};
  for (const math::Vector2 &corner : corners) {
    math::Vector2 p = m.transformPoint(corner);
    if (!set) {
      bounds.set(p.x, p.y, 0.0f, 0.0f);
      set = true;
    } else {
      bounds.include(p);
    }
  }
}

} // namespace

void Node::animate(float age, math::MatrixStack &forward, math::MatrixStack &inverse,
                   const math::Color &parentColor, bool parentHidden) {
  billboardChannel.setAge(age);
  skeletonChannel.advance(age);
  animation.evaluate(m_state, age);
  m_color = m_state.color;
  m_color *= parentColor;
  const math::Vector2 &t = m_state.translation;
  const math::Vector2 &s = m_state.scale;
  float r = m_state.rotation;
  bool flat = s.x == 0.0f || s.y == 0.0f;
  m_hidden = flat || parentHidden;

  forward.push();
  inverse.push();
  bool moves = t.x != 0.0f || t.y != 0.0f;
  bool scales = s.x != 1.0f || s.y != 1.0f;
  if (moves)
    forward.translate(t.x, t.y, 0.0f);
  if (r != 0.0f)
    forward.rotate(clockwise, r);
  if (scales)
    forward.scale(s.x, s.y, 1.0f);
  if (moves)
    inverse.preTranslate(-t.x, -t.y, 0.0f);
  if (r != 0.0f)
    inverse.preRotate(clockwise, -r);
  if (flat)
    inverse.preScale(0.0f, 0.0f, 0.0f);
  else if (scales)
    inverse.preScale(1.0f / s.x, 1.0f / s.y, 1.0f);
  m_transform = forward.top();
  m_inverse = inverse.top();

  for (Node *child : m_children)
    child->animate(age, forward, inverse, m_color, m_hidden != 0);
  forward.pop();
  inverse.pop();
}

void Node::render(video::Canvas &canvas) {
  video::Renderable *oneShot = m_oneShot;
  m_oneShot = nullptr;
  Billboard2D *billboard = nullptr;
  Skeleton *sub = nullptr;
  if (!oneShot) {
    billboard = billboardChannel.billboardAt(billboardChannel.age());
    float subAge = 0.0f;
    sub = skeletonChannel.current(subAge);
    // A skeleton already being drawn further up would draw itself for ever.
    if (sub && sub->busy())
      sub = nullptr;
    if (sub)
      sub->animate(subAge);
  }
  if (!oneShot && !billboard && !sub)
    return;
  beginRender(canvas);
  if (oneShot) {
    oneShot->render(canvas);
  } else {
    if (billboard)
      billboard->render(canvas);
    if (sub)
      sub->render(canvas);
  }
  endRender(canvas);
}

void Node::beginRender(video::Canvas &canvas) {
  if (!(m_color == math::Color::white)) {
    canvas.pushColor();
    canvas.multiplyColor(m_color);
  }
  canvas.pushMatrix();
  canvas.multiplyMatrix(m_transform, canvas.matrixMode());
}

void Node::endRender(video::Canvas &canvas) {
  canvas.popMatrix();
  if (!(m_color == math::Color::white))
    canvas.popColor();
}

void Node::touch(Database *database) {
  billboardChannel.touch();
  skeletonChannel.touch(database);
  eventChannel.touch(database);
  for (Node *child : m_children)
    child->touch(database);
}

float Node::totalAnimationTime(float t) const {
  float total = std::max({t, animation.duration(), billboardChannel.length(),
                          skeletonChannel.length(), eventChannel.length()});
  for (const Node *child : m_children)
    total = std::max(total, child->totalAnimationTime(total));
  return total;
}

math::Rectangle Node::bounds() const {
  math::Rectangle out;
  bool set = false;
  if (Billboard2D *billboard = billboardChannel.billboardAt(billboardChannel.age()))
    includeMapped(billboard->boundingRectangle(), m_transform, out, set);
  if (Skeleton *sub = skeletonChannel.current())
    includeMapped(sub->boundsHint, m_transform, out, set);
  return out;
}

bool Node::hitTest(const math::Vector2 &point, Billboard2D *fallback, math::Color &colorOut) const {
  if (m_hidden)
    return false;
  math::Vector2 local = m_inverse.transformPoint(point);
  Billboard2D *billboard = billboardChannel.billboardAt(billboardChannel.age());
  if (!billboard)
    billboard = fallback;
  math::Color texel;
  if (billboard && billboard->colorAt(local, texel) && m_color.a * texel.a > 0.0f) {
    colorOut = texel;
    return true;
  }
  float subAge = 0.0f;
  Skeleton *sub = skeletonChannel.current(subAge);
  if (!sub || sub->busy())
    return false;
  // Another user may have posed the shared skeleton since it was drawn here.
  sub->animate(subAge);
  return sub->pick(local, fallback, colorOut) != nullptr;
}

void Node::removeChild(uint32_t index) {
  if (index < m_children.size())
    delete m_children.removeAt(index);
}

void Node::deleteChildren() {
  for (Node *child : m_children)
    delete child;
  m_children.clear();
}

void Node::reset() {
  name = Symbol();
  animation.reset();
  m_state.reset();
  m_color = math::Color::white;
  m_hidden = 0;
  billboardChannel.reset();
  skeletonChannel.reset();
  eventChannel.reset();
  m_oneShot = nullptr;
  deleteChildren();
}

} // namespace animation
