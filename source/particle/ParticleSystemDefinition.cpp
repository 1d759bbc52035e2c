#include "particle/ParticleSystemDefinition.h"

#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"
#include "particle/EmitterDefinition.h"
#include "particle/ParticleKeys.h"
#include "particle/ParticleSystem.h"
#include "quip/Token.h"

ParticleSystemDefinition::~ParticleSystemDefinition() { clearEmitters(); }

void ParticleSystemDefinition::clearEmitters() {
  for (EmitterDefinition *emitter : emitters)
    delete emitter;
  emitters.clear();
}

ParticleSystem *ParticleSystemDefinition::instantiate(const math::Vector3 &position, float angle) {
  return new ParticleSystem(this, position, angle);
}

ParticleSystem *ParticleSystemDefinition::instantiate(const math::Vector2 &position, float angle) {
  return instantiate(math::Vector3(position.x, position.y, 0.0f), angle);
}

ParticleSystem *ParticleSystemDefinition::instantiate() {
  return instantiate(math::Vector3(), 0.0f);
}

void ParticleSystemDefinition::reportIncomplete() const {
  for (uint32_t i = 0; i < emitters.size(); ++i) {
    if (emitters[i]->isComplete())
      continue;
    framework::reportWarning(
        __FILE__, __LINE__, __func__,
        String(L"ParticleSystem ") + name.text() + L": emitter " + String::format(L"%u", i) +
            (emitters[i]->billboard ? L" has no spout" : L" has no billboard") +
            L"; it emits and draws nothing");
  }
}

bool ParticleSystemDefinition::refuseIncomplete() const {
  for (const EmitterDefinition *emitter : emitters)
    if (!emitter->isComplete()) {
      framework::reportError(String(L"ParticleSystem ") + name.text() +
                             L": an emitter without a billboard or a spout: not written");
      return true;
    }
  return false;
}

void ParticleSystemDefinition::read(Database *database, const quip::Dictionary &d) {
  const ParticleKeys &k = particleKeys();
  if (const quip::Token *t = d.lookupTyped(k.name, quip::TYPE_SYMBOL))
    t->get(name);
  const quip::Token *list = d.lookupTyped(k.emitters, quip::TYPE_ARRAY);
  if (!list || !list->isArray())
    return;
  clearEmitters();
  const quip::Array &elements = list->array();
  for (uint32_t i = 0; i < elements.count(); ++i) {
    auto *emitter = new EmitterDefinition;
    emitters.push(emitter);
    if (elements[i].isDictionary())
      emitter->read(database, elements[i].dictionary());
  }
  reportIncomplete();
}

bool ParticleSystemDefinition::write(quip::Dictionary &d) const {
  if (refuseIncomplete())
    return false;
  const ParticleKeys &k = particleKeys();
  d.set(k.name, quip::Token(name, false));
  if (emitters.isEmpty())
    return true;
  quip::Array list;
  for (const EmitterDefinition *emitter : emitters) {
    quip::Dictionary written;
    emitter->write(written);
    list.append(quip::Token(written));
  }
  d.set(k.emitters, quip::Token(list, false));
  return true;
}

bool ParticleSystemDefinition::readBinary(file::ByteProducer &in, Database *database) {
  clearEmitters();
  file::read(name, in);
  uint8_t count = 0;
  file::read(count, in);
  if (in.overrun()) {
    framework::reportError(L"ParticleSystem record: truncated");
    return false;
  }
  for (uint32_t i = 0; i < count; ++i) {
    auto *emitter = new EmitterDefinition;
    emitters.push(emitter);
    if (!emitter->readBinary(in, database))
      return false;
  }
  reportIncomplete();
  return true;
}

bool ParticleSystemDefinition::writeBinary(file::ByteReceiver &out, Database *database) const {
  if (refuseIncomplete())
    return false;
  if (emitters.size() > 255) {
    framework::reportError(String(L"ParticleSystem ") + name.text() +
                           L": more than 255 emitters: not written");
    return false;
  }
  // Made whole first, so that an emitter that refuses leaves nothing behind.
  file::BufferBinary record;
  file::write(name, record);
  file::write(uint8_t(emitters.size()), record);
  for (const EmitterDefinition *emitter : emitters)
    if (!emitter->writeBinary(record, database))
      return false;
  out.receiveBytes(record.data(), record.size());
  return true;
}
