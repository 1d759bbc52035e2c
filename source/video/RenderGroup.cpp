#include "video/RenderGroup.h"

namespace video {

RenderGroup::RenderGroup(Symbol name) : m_name(name) {}

RenderGroup::~RenderGroup() {
  clear();
  // A group deleted with its layer must not stay behind in the table.
  if (RenderGroupTable::exists() && RenderGroupTable::instance().find(m_name) == this)
    RenderGroupTable::instance().remove(this);
}

void RenderGroup::addRenderable(RenderableObject *child) { m_children.push(child); }

void RenderGroup::update(float dt) {
  // The count is read on every turn: a child may add others while it updates.
  for (uint32_t i = 0; i < m_children.size();) {
    RenderableObject *child = m_children[i];
    child->update(dt);
    if (!child->isFinished()) {
      ++i;
      continue;
    }
    // The one that moves into this place is updated in the same pass.
    m_children.removeAt(i);
    delete child;
  }
}

void RenderGroup::render(Canvas &canvas) {
  for (uint32_t i = 0; i < m_children.size(); ++i)
    m_children[i]->render(canvas);
}

void RenderGroup::clear() {
  for (uint32_t i = 0; i < m_children.size(); ++i)
    delete m_children[i];
  m_children.clear();
}

} // namespace video
