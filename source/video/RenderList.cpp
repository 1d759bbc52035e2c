#include "video/RenderList.h"

namespace video {

RenderList::~RenderList() {
  clear();
  while (m_spare) {
    Node *next = m_spare->next;
    delete m_spare;
    m_spare = next;
  }
}

void RenderList::insert(LateRenderable *item) {
  Node *node = m_spare;
  if (node)
    m_spare = node->next;
  else
    node = new Node;
  node->item = item;
  float key = item->renderKey();
  Node *at = m_first;
  while (at && !(at->item->renderKey() > key))
    at = at->next;
  node->next = at;
  if (at) {
    node->previous = at->previous;
    at->previous = node;
  } else {
    node->previous = m_last;
    m_last = node;
  }
  if (node->previous)
    node->previous->next = node;
  else
    m_first = node;
}

void RenderList::render(Canvas &canvas) {
  for (Node *node = m_first; node; node = node->next)
    node->item->renderLate(canvas);
}

void RenderList::clear() {
  while (m_first) {
    Node *next = m_first->next;
    m_first->next = m_spare;
    m_spare = m_first;
    m_first = next;
  }
  m_last = nullptr;
}

} // namespace video
