// The dictionary forms of skeletons and their nodes.

#include "animation/Skeleton.h"
#include "animation/SkeletonKeys.h"
#include "error/Report.h"
#include "math/Rectangle.h"
#include "quip/Token.h"

namespace animation {

namespace {

// A sub-dictionary written only when it came out non-empty.
template <typename Channel>
void saveChannel(const Channel &channel, Symbol key, quip::Dictionary &d) {
  quip::Dictionary form;
  channel.write(form);
  if (!form.isEmpty())
    d.set(key, quip::Token(form));
}

} // namespace

bool Node::load(Database *database, const quip::Dictionary &d, int depth) {
  const SkeletonKeys &k = skeletonKeys();
  bool whole = true;
  if (const quip::Token *t = d.lookupTyped(k.name, quip::TYPE_SYMBOL))
    t->get(name);
  if (const quip::Token *t = d.lookupTyped(k.children, quip::TYPE_ARRAY); t && t->isArray()) {
    deleteChildren();
    const quip::Array &children = t->array();
    if (depth + 1 >= MaxDepth && !children.isEmpty())
      whole = false;
    for (uint32_t i = 0; depth + 1 < MaxDepth && i < children.count(); ++i) {
      auto *child = new Node;
      if (children[i].isDictionary() && !child->load(database, children[i].dictionary(), depth + 1))
        whole = false;
      m_children.push(child);
    }
  }
  if (const quip::Token *t = d.lookupTyped(k.billboardChannel, quip::TYPE_DICTIONARY);
      t && t->isDictionary())
    billboardChannel.read(database, t->dictionary());
  if (const quip::Token *t = d.lookupTyped(k.skeletonChannel, quip::TYPE_DICTIONARY);
      t && t->isDictionary())
    skeletonChannel.read(database, t->dictionary());
  if (const quip::Token *t = d.lookupTyped(k.eventChannel, quip::TYPE_DICTIONARY);
      t && t->isDictionary())
    eventChannel.read(database, t->dictionary());
  if (const quip::Token *t = d.lookupTyped(k.animation, quip::TYPE_DICTIONARY);
      t && t->isDictionary())
    animation.load(t->dictionary());
  return whole;
}

void Node::save(quip::Dictionary &d) const {
  const SkeletonKeys &k = skeletonKeys();
  if (!name.isEmpty())
    d.set(k.name, quip::Token(name, false));
  if (!m_children.isEmpty()) {
    quip::Array children(m_children.size());
    for (uint32_t i = 0; i < m_children.size(); ++i) {
      quip::Dictionary child;
      m_children[i]->save(child);
      children[i] = quip::Token(child);
    }
    d.set(k.children, quip::Token(children, false));
  }
  saveChannel(billboardChannel, k.billboardChannel, d);
  saveChannel(skeletonChannel, k.skeletonChannel, d);
  saveChannel(eventChannel, k.eventChannel, d);
  quip::Dictionary form;
  animation.save(form);
  if (!form.isEmpty())
    d.set(k.animation, quip::Token(form));
}

bool Skeleton::load(Database *database, const quip::Dictionary &d) {
  const SkeletonKeys &k = skeletonKeys();
  bool whole = true;
  if (const quip::Token *t = d.lookupTyped(k.name, quip::TYPE_SYMBOL))
    t->get(name);
  if (const quip::Token *t = d.lookupTyped(k.root, quip::TYPE_DICTIONARY); t && t->isDictionary()) {
    // The listed nodes may be deleted by the load.
    m_renderList.clear();
    whole = m_root.load(database, t->dictionary());
    if (!whole)
      framework::reportWarning(__FILE__, __LINE__, "load",
                               String(L"Skeleton nodes nested too deeply are left out: ") +
                                   name.text());
  }
  if (const quip::Token *t = d.lookup(k.boundsHint))
    t->get(boundsHint);
  if (const quip::Token *t = d.lookupTyped(k.renderList, quip::TYPE_ARRAY); t && t->isArray()) {
    m_renderList.clear();
    const quip::Array &names = t->array();
    for (uint32_t i = 0; i < names.count(); ++i) {
      Symbol nodeName;
      if (!names[i].get(nodeName))
        continue;
      if (Node *node = findNode(nodeName))
        m_renderList.push(node);
      else
        framework::reportWarning(__FILE__, __LINE__, "load",
                                 String(L"Render list names no node of skeleton ") + name.text() +
                                     L": " + nodeName.text());
    }
  }
  if (m_renderList.isEmpty())
    fillRenderList();
  return whole;
}

void Skeleton::save(quip::Dictionary &d) const {
  const SkeletonKeys &k = skeletonKeys();
  if (!name.isEmpty())
    d.set(k.name, quip::Token(name, false));
  quip::Dictionary root;
  m_root.save(root);
  if (!root.isEmpty())
    d.set(k.root, quip::Token(root));
  if (!(boundsHint == math::Rectangle())) {
    quip::Token hint;
    quip::toToken(boundsHint, hint);
    d.set(k.boundsHint, hint);
  }
  if (!m_renderList.isEmpty()) {
    quip::Array names(m_renderList.size());
    for (uint32_t i = 0; i < m_renderList.size(); ++i)
      names[i] = quip::Token(m_renderList[i]->name, false);
    d.set(k.renderList, quip::Token(names, false));
  }
}

} // namespace animation
