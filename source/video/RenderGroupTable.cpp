#include "video/RenderGroup.h"

namespace video {

namespace {
RenderGroupTable *theTable = nullptr;
}

RenderGroupTable &RenderGroupTable::instance() {
  if (!theTable)
    theTable = new RenderGroupTable;
  return *theTable;
}

void RenderGroupTable::destroyInstance() {
  delete theTable;
  theTable = nullptr;
}

bool RenderGroupTable::exists() { return theTable != nullptr; }

void RenderGroupTable::add(RenderGroup *group) { m_table.put(group->name(), group); }

bool RenderGroupTable::remove(RenderGroup *group) { return m_table.remove(group->name()); }

RenderGroup *RenderGroupTable::find(Symbol name) const { return m_table.get(name); }

} // namespace video
