#pragma once
// A small scene tree of 2-D nodes that animates over an age in seconds, with
// the order its nodes draw in. Skeletons are shared assets: the store hands
// the same one to every user of a name, so each user poses it (animate) right
// before drawing it in the same frame.

#include "animation/Node.h"
#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "math/Rectangle.h"
#include "video/Renderable.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Billboard2D;
class Database;

namespace animation {

struct CollectedEvents;

class Skeleton : public video::Renderable, private NonCopyable {
public:
  // The record's render list holds at most this many names.
  static constexpr uint32_t MaxRenderList = 255;

  Skeleton() = default;

  // Poses the whole tree at one age with the two program-wide matrix
  // stacks (so posing is not re-entrant).
  void animate(float age);
  // Every node of the render list, in order; it does not pose.
  void render(video::Canvas &canvas) override;
  // Depth first, a node before its children; null when absent.
  Node *findNode(Symbol name);
  // The topmost posed node of the render list under a point of the
  // skeleton's space, its texel colour written out; null when none.
  Node *pick(const math::Vector2 &point, Billboard2D *fallback, math::Color &colorOut);
  // The same test for the node of that name alone.
  bool pickNode(Symbol name, const math::Vector2 &point, Billboard2D *fallback,
                math::Color &colorOut);
  void touch(Database *database);
  float totalAnimationTime() const { return m_root.totalAnimationTime(0.0f); }
  // Copies of the events of every node of the render list between two ages,
  // placed at the node's origin in the skeleton's space. Pose first.
  void collectEvents(float from, float to, CollectedEvents &out) const;
  // Name empty, root reset, no bounds hint, render list emptied.
  void reset();

  // "name", "root", "boundsHint", "renderList" where present. Names of the
  // render list that match no node are skipped with a warning; an empty
  // list is filled with every node, depth first. Loading "root" empties the
  // list, whose nodes it deletes. False when the tree was too deep.
  bool load(Database *database, const quip::Dictionary &dictionary);
  void save(quip::Dictionary &dictionary) const;
  // The skeleton record. False, the skeleton left empty, for a record that
  // runs short, nests too deeply, lists more than 255 names or holds what
  // does not exist.
  bool readBinary(Database *database, file::ByteProducer &in);
  // False when the record cannot hold the skeleton (more than 255 names in
  // the render list, or more than 255 children of a node).
  bool writeBinary(Database *database, file::ByteReceiver &out) const;

  Node &root() { return m_root; }
  const Node &root() const { return m_root; }
  const container::Vector<Node *> &renderList() const { return m_renderList; }
  void appendToRenderList(Node *node) { m_renderList.push(node); }
  // Every node of the tree, depth first, the root first.
  void fillRenderList();
  void clearRenderList() { m_renderList.clear(); }

  // True while the skeleton is being drawn, touched or picked: a skeleton
  // that shows itself, directly or through others, is skipped then.
  bool busy() const { return m_busy != 0; }

  Symbol name;
  math::Rectangle boundsHint;
  // Set on the empty skeletons the store makes for names it does not find.
  bool placeholder = false;

private:
  bool readRecord(Database *database, file::ByteProducer &in);

  Node m_root;
  container::Vector<Node *> m_renderList;
  uint8_t m_busy = 0;
};

} // namespace animation
