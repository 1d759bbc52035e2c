#pragma once
// One node of a skeleton's tree: an animation for its colour, scale,
// translation and rotation, and three timed tracks of what it shows (a
// billboard, another skeleton) and what it signals (events). Posing computes
// its place in the skeleton's space, its colour and whether it is hidden;
// drawing shows its content in that place.

#include "animation/AnimationDefinition.h"
#include "animation/SkeletonChannel.h"
#include "animation/SkeletonEventChannel.h"
#include "billboard/BillboardChannel.h"
#include "container/Vector.h"
#include "math/Color.h"
#include "math/Matrix4.h"
#include "math/Rectangle.h"
#include "video/AnimationState.h"
#include "video/Renderable.h"
#include "xstring/Symbol.h"

class Billboard2D;
class Database;
namespace math {
class MatrixStack;
}

namespace animation {

class Node : public video::Renderable {
public:
  // Deeper trees are refused by the readers: nesting is set by input, and
  // posing and deleting walk the tree on the C stack.
  static constexpr int MaxDepth = 256;

  Node() = default;
  Node(const Node &) = delete;
  Node &operator=(const Node &) = delete;
  ~Node() override { deleteChildren(); }

  // Poses this node and its subtree at an age: both stacks get a new top,
  // the forward one multiplied by this node's translation, rotation and
  // scale on the right, the inverse one by their inverses on the left.
  void animate(float age, math::MatrixStack &forward, math::MatrixStack &inverse,
               const math::Color &parentColor, bool parentHidden);
  // The one-shot renderable when set (then cleared), else the billboard and
  // the sub-skeleton, posed here at its own age. Without content nothing is
  // drawn and nothing pushed.
  void render(video::Canvas &canvas) override;
  // The node's colour (when not white) and its transform pushed; endRender
  // pops them. Callers may draw in the node's frame between the two.
  void beginRender(video::Canvas &canvas);
  void endRender(video::Canvas &canvas);
  // Drawn instead of the node's content by the next render (not owned).
  void setOneShot(video::Renderable *renderable) { m_oneShot = renderable; }

  // Loads what the tracks show and signal, then the children's.
  void touch(Database *database);
  // The largest of t and every track's and child's length.
  float totalAnimationTime(float t) const;
  // The current billboard's and sub-skeleton's bounds in the skeleton's
  // space; all zero without either. Valid after posing.
  math::Rectangle bounds() const;
  // Hit test of the posed node at a point of the skeleton's space: the
  // billboard's texel (or the fallback's when the node shows none) when it
  // is not fully transparent, else the sub-skeleton's pick.
  bool hitTest(const math::Vector2 &point, Billboard2D *fallback, math::Color &colorOut) const;

  uint32_t childCount() const { return m_children.size(); }
  Node *child(uint32_t index) const { return m_children[index]; }
  // Takes the child over.
  void addChild(Node *child) { m_children.push(child); }
  // Takes the child out, keeping the order, and deletes it. A skeleton's
  // render list must be filled again afterwards.
  void removeChild(uint32_t index);
  // Name empty, animation and state reset, colour white, tracks emptied,
  // children deleted.
  void reset();

  // "name", "children", "billboardChannel", "skeletonChannel",
  // "eventChannel", "animation", in that order, each where present. False
  // when the tree is deeper than MaxDepth (the deeper nodes are left out).
  bool load(Database *database, const quip::Dictionary &dictionary, int depth = 0);
  void save(quip::Dictionary &dictionary) const;
  // The node record and its subtree's. False for a record that runs short,
  // nests deeper than MaxDepth or holds what does not exist.
  bool readBinary(Database *database, file::ByteProducer &in, int depth = 0);
  // False (nothing sensible written) when a node has more than 255
  // children, which the record cannot hold.
  bool writeBinary(Database *database, file::ByteReceiver &out) const;

  const math::Matrix4 &transform() const { return m_transform; }
  const math::Matrix4 &inverseTransform() const { return m_inverse; }
  const math::Color &color() const { return m_color; }
  bool hidden() const { return m_hidden != 0; }
  const AnimationState &state() const { return m_state; }

  Symbol name;
  AnimationDefinition animation;
  BillboardChannel billboardChannel;
  SkeletonChannel skeletonChannel;
  SkeletonEventChannel eventChannel;

private:
  void deleteChildren();

  container::Vector<Node *> m_children;
  math::Matrix4 m_transform;
  math::Matrix4 m_inverse;
  math::Color m_color;
  uint8_t m_hidden = 0;
  AnimationState m_state;
  video::Renderable *m_oneShot = nullptr;
};

} // namespace animation
