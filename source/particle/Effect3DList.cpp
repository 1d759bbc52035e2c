#include "particle/Effect3DList.h"

#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "particle/Effect3D.h"

void Effect3DList::update(float dt) {
  for (uint32_t i = 0; i < m_effects.size();) {
    Effect3D *effect = m_effects[i];
    effect->update(dt);
    if (effect->isFinished()) {
      m_effects.removeAt(i);
      delete effect;
    } else {
      ++i;
    }
  }
}

void Effect3DList::render(video::Canvas &canvas) {
  for (Effect3D *effect : m_effects)
    effect->render3D(canvas, Symbol());
}

void Effect3DList::clear() {
  for (Effect3D *effect : m_effects)
    delete effect;
  m_effects.clear();
}

void Effect3DList::serialize(file::ByteReceiver &out) const {
  uint16_t count = m_effects.size() > 0xffffu ? 0xffff : uint16_t(m_effects.size());
  file::write(count, out);
  for (uint32_t i = 0; i < count; ++i)
    m_effects[i]->write(out);
}

bool Effect3DList::deserialize(file::ByteProducer &in) {
  clear();
  uint16_t count = 0;
  file::read(count, in);
  if (in.overrun()) {
    framework::reportError(L"3-D effect list: truncated");
    return false;
  }
  for (uint32_t i = 0; i < count; ++i) {
    Effect3D *effect = Effect3D::readNew(in);
    if (!effect)
      return false;
    m_effects.push(effect);
  }
  return true;
}
