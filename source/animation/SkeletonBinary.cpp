// The binary records of skeletons and their nodes: only what differs from a
// fresh node is stored, behind a mask byte.

#include "animation/Skeleton.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/ByteProducer.h"
#include "file/TextBinary.h"

namespace animation {

namespace {

enum NodeBits : uint8_t {
  HAS_ANIMATION = 1,
  HAS_BILLBOARDS = 2,
  HAS_SKELETONS = 4,
  HAS_EVENTS = 8,
};

constexpr uint32_t MaxChildren = 255;

} // namespace

bool Node::readBinary(Database *database, file::ByteProducer &in, int depth) {
  reset();
  if (depth >= MaxDepth)
    return false;
  uint8_t mask = 0;
  file::read(name, in);
  file::read(mask, in);
  if (in.overrun())
    return false;
  if ((mask & HAS_ANIMATION) && !animation.deserialize(in))
    return false;
  if ((mask & HAS_BILLBOARDS) && !billboardChannel.readBinary(database, in))
    return false;
  if ((mask & HAS_SKELETONS) && !skeletonChannel.readBinary(database, in))
    return false;
  if ((mask & HAS_EVENTS) && !eventChannel.deserialize(database, in))
    return false;
  uint8_t count = 0;
  file::read(count, in);
  if (in.overrun())
    return false;
  for (uint32_t i = 0; i < count; ++i) {
    auto *child = new Node;
    m_children.push(child);
    if (!child->readBinary(database, in, depth + 1))
      return false;
  }
  return !in.overrun();
}

bool Node::writeBinary(Database *database, file::ByteReceiver &out) const {
  if (m_children.size() > MaxChildren) {
    framework::reportWarning(__FILE__, __LINE__, "writeBinary",
                             String(L"A skeleton node has more than 255 children: ") + name.text());
    return false;
  }
  uint8_t mask = uint8_t((animation.isDefault() ? 0 : HAS_ANIMATION) |
                         (billboardChannel.isEmpty() ? 0 : HAS_BILLBOARDS) |
                         (skeletonChannel.isEmpty() ? 0 : HAS_SKELETONS) |
                         (eventChannel.isEmpty() ? 0 : HAS_EVENTS));
  file::write(name, out);
  file::write(mask, out);
  // A channel the record cannot hold is left out with its own warning; the
  // record stays whole.
  if (mask & HAS_ANIMATION)
    animation.serialize(out);
  if (mask & HAS_BILLBOARDS)
    billboardChannel.writeBinary(database, out);
  if (mask & HAS_SKELETONS)
    skeletonChannel.writeBinary(out);
  if (mask & HAS_EVENTS)
    eventChannel.serialize(out);
  file::write(uint8_t(m_children.size()), out);
  for (const Node *child : m_children)
    if (!child->writeBinary(database, out))
      return false;
  return true;
}

bool Skeleton::readBinary(Database *database, file::ByteProducer &in) {
  if (readRecord(database, in))
    return true;
  reset();
  return false;
}

bool Skeleton::readRecord(Database *database, file::ByteProducer &in) {
  reset();
  file::read(name, in);
  if (in.overrun() || !m_root.readBinary(database, in))
    return false;
  boundsHint.read(in);
  uint32_t count = 0;
  file::read(count, in);
  if (in.overrun() || count > MaxRenderList)
    return false;
  for (uint32_t i = 0; i < count; ++i) {
    Symbol nodeName;
    file::read(nodeName, in);
    if (in.overrun())
      return false;
    if (Node *node = findNode(nodeName))
      m_renderList.push(node);
    else
      framework::reportWarning(__FILE__, __LINE__, "readBinary",
                               String(L"Render list names no node of skeleton ") + name.text() +
                                   L": " + nodeName.text());
  }
  if (m_renderList.isEmpty())
    fillRenderList();
  return true;
}

bool Skeleton::writeBinary(Database *database, file::ByteReceiver &out) const {
  if (m_renderList.size() > MaxRenderList) {
    framework::reportWarning(__FILE__, __LINE__, "writeBinary",
                             String(L"The render list of a skeleton holds more than 255 nodes: ") +
                                 name.text());
    return false;
  }
  file::write(name, out);
  if (!m_root.writeBinary(database, out))
    return false;
  boundsHint.write(out);
  file::write(uint32_t(m_renderList.size()), out);
  for (const Node *node : m_renderList)
    file::write(node->name, out);
  return true;
}

} // namespace animation
