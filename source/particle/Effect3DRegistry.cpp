#include "particle/Effect3DRegistry.h"

#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/TextBinary.h"
#include "particle/Effect3DList.h"

Effect3DList *Effect3DRegistry::addList(Symbol name) {
  auto *list = new Effect3DList;
  m_table.put(name, list);
  m_lists.push(list);
  m_names.push(name);
  return list;
}

Effect3DList *Effect3DRegistry::list(Symbol name) const {
  Effect3DList *const *found = m_table.lookup(name);
  return found ? *found : nullptr;
}

void Effect3DRegistry::update(float dt) {
  for (Effect3DList *list : m_lists)
    list->update(dt);
}

void Effect3DRegistry::render(video::Canvas &canvas) {
  for (Effect3DList *list : m_lists)
    list->render(canvas);
}

void Effect3DRegistry::clear() {
  for (Effect3DList *list : m_lists)
    delete list;
  m_lists.clear();
  m_names.clear();
  m_table.clear();
}

void Effect3DRegistry::serialize(file::ByteReceiver &out) const {
  uint16_t count = m_lists.size() > 0xffffu ? 0xffff : uint16_t(m_lists.size());
  file::write(count, out);
  for (uint32_t i = 0; i < count; ++i) {
    file::write(m_names[i], out);
    m_lists[i]->serialize(out);
  }
}

bool Effect3DRegistry::deserialize(file::ByteProducer &in) {
  clear();
  uint16_t count = 0;
  file::read(count, in);
  for (uint32_t i = 0; i < count; ++i) {
    Symbol name;
    file::read(name, in);
    if (in.overrun()) {
      framework::reportError(L"3-D effect registry: truncated");
      return false;
    }
    if (!addList(name)->deserialize(in))
      return false;
  }
  if (in.overrun()) {
    framework::reportError(L"3-D effect registry: truncated");
    return false;
  }
  return true;
}
