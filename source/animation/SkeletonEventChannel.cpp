#include "animation/SkeletonEventChannel.h"

#include "animation/SkeletonEvent.h"
#include "animation/SkeletonKeys.h"
#include "animation/TrackRecord.h"
#include "file/BinaryPrimitives.h"
#include "math/Scalar.h"
#include "quip/Token.h"

namespace animation {

void CollectedEvents::clear() {
  for (SkeletonEventSound *e : sounds)
    delete e;
  for (SkeletonEventParticleSystem *e : particleSystems)
    delete e;
  for (SkeletonEventGeneric *e : generic)
    delete e;
  sounds.clear();
  particleSystems.clear();
  generic.clear();
}

void SkeletonEventChannel::read(Database *database, const quip::Dictionary &d) {
  const SkeletonKeys &k = skeletonKeys();
  if (const quip::Token *t = d.lookupTyped(k.loop, quip::TYPE_SYMBOL))
    loop = t->toBool();
  const quip::Token *t = d.lookupTyped(k.events, quip::TYPE_ARRAY);
  if (!t || !t->isArray())
    return;
  clear();
  const quip::Array &events = t->array();
  for (uint32_t i = 0; i < events.count(); ++i) {
    if (!events[i].isDictionary())
      continue;
    if (SkeletonEvent *event = parseEvent(database, events[i].dictionary()))
      m_events.push(event);
  }
}

void SkeletonEventChannel::write(quip::Dictionary &d) const {
  const SkeletonKeys &k = skeletonKeys();
  if (loop)
    d.set(k.loop, quip::boolToken(true));
  if (m_events.isEmpty())
    return;
  quip::Array events(m_events.size());
  for (uint32_t i = 0; i < m_events.size(); ++i) {
    quip::Dictionary e;
    m_events[i]->write(e);
    events[i] = quip::Token(e);
  }
  d.set(k.events, quip::Token(events, false));
}

bool SkeletonEventChannel::deserialize(Database *database, file::ByteProducer &in) {
  uint32_t count = 0;
  if (!readTrackHead(in, loop, count))
    return false;
  clear();
  for (uint32_t i = 0; i < count; ++i) {
    if (!recordFollows(in))
      return false;
    uint8_t kind = 0;
    file::read(kind, in);
    SkeletonEvent *event = SkeletonEvent::make(kind);
    if (!event)
      return false;
    if (!event->deserialize(database, in)) {
      delete event;
      return false;
    }
    m_events.push(event);
  }
  return true;
}

void SkeletonEventChannel::serialize(file::ByteReceiver &out) const {
  writeTrackHead(out, loop, m_events.size());
  for (const SkeletonEvent *e : m_events)
    e->serialize(out);
}

float SkeletonEventChannel::length() const {
  return m_events.isEmpty() ? 0.0f : m_events.last()->time;
}

void SkeletonEventChannel::touch(Database *database) {
  for (SkeletonEvent *e : m_events)
    e->touch(database);
}

void SkeletonEventChannel::collect(float from, float to, CollectedEvents &out) const {
  float a = from, b = to;
  float l = length();
  if (loop && l > 0.0f) {
    a = math::wrap(from, l);
    b = math::wrap(to, l);
  }
  bool forward = from <= to;
  for (SkeletonEvent *e : m_events) {
    float t = e->time;
    bool fires;
    if (forward)
      fires = a < b ? (a <= t && t < b) : (t >= a || t < b);
    else
      fires = a > b ? (b < t && t <= a) : (t <= a || t > b);
    if (!fires)
      continue;
    switch (e->kind()) {
    case SkeletonEvent::SOUND:
      out.sounds.push(static_cast<SkeletonEventSound *>(e->clone()));
      break;
    case SkeletonEvent::PARTICLE_SYSTEM:
      out.particleSystems.push(static_cast<SkeletonEventParticleSystem *>(e->clone()));
      break;
    case SkeletonEvent::GENERIC:
      out.generic.push(static_cast<SkeletonEventGeneric *>(e->clone()));
      break;
    default:
      break;
    }
  }
}

void SkeletonEventChannel::insert(uint32_t index, SkeletonEvent *event) {
  m_events.insertAt(index, event);
}

void SkeletonEventChannel::remove(uint32_t index) {
  if (index >= m_events.size())
    return;
  delete m_events.removeAt(index);
}

void SkeletonEventChannel::clear() {
  for (SkeletonEvent *e : m_events)
    delete e;
  m_events.clear();
}

void SkeletonEventChannel::reset() {
  loop = false;
  clear();
}

} // namespace animation
