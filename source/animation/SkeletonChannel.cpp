#include "animation/SkeletonChannel.h"

#include "animation/Skeleton.h"
#include "animation/SkeletonKeys.h"
#include "animation/SkeletonStore.h"
#include "animation/TrackRecord.h"
#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "file/TextBinary.h"
#include "math/Scalar.h"
#include "quip/Token.h"

#include <cstdio>

namespace animation {

void SkeletonChannel::advance(float t) {
  m_time = t;
  float l = length();
  if (loop && l > 0.0f)
    m_time = math::wrap(t, l);
}

float SkeletonChannel::length() const { return m_frames.isEmpty() ? 0.0f : m_frames.last()->time; }

Skeleton *SkeletonChannel::current(float &age) const {
  age = 0.0f;
  if (m_frames.isEmpty())
    return nullptr;
  const SkeletonFrame *active = m_frames[0];
  for (uint32_t i = 1; i < m_frames.size(); ++i) {
    if (m_frames[i]->time > m_time)
      break;
    active = m_frames[i];
  }
  if (active->skeleton.isEmpty())
    return nullptr;
  Database *database = active->database ? active->database : Database::current();
  SkeletonStore *store = database ? SkeletonStore::of(*database) : nullptr;
  if (!store)
    return nullptr;
  age = m_time - active->time + active->skeletonAge;
  return store->skeleton(active->skeleton);
}

void SkeletonChannel::touch(Database *database) {
  for (SkeletonFrame *f : m_frames) {
    if (f->skeleton.isEmpty())
      continue;
    Database *owner = f->database ? f->database : database;
    if (SkeletonStore *store = owner ? SkeletonStore::of(*owner) : nullptr)
      store->skeleton(f->skeleton)->touch(database);
  }
}

void SkeletonChannel::continueAges() {
  Symbol previousName;
  float previousTime = 0.0f, previousAge = 0.0f;
  for (SkeletonFrame *f : m_frames) {
    if (!f->skeleton.isEmpty() && f->skeleton == previousName && f->continueAge)
      f->skeletonAge = previousAge + (f->time - previousTime);
    previousName = f->skeleton;
    previousTime = f->time;
    previousAge = f->skeletonAge;
  }
}

void SkeletonChannel::addFrame(SkeletonFrame *frame) {
  m_frames.push(frame);
  continueAges();
}

void SkeletonChannel::insertFrame(uint32_t index, SkeletonFrame *frame) {
  m_frames.insertAt(index, frame);
  continueAges();
}

void SkeletonChannel::removeFrame(uint32_t index) {
  if (index >= m_frames.size())
    return;
  delete m_frames.removeAt(index);
  continueAges();
}

void SkeletonChannel::deleteFrames() {
  for (SkeletonFrame *f : m_frames)
    delete f;
  m_frames.clear();
}

void SkeletonChannel::reset() {
  m_time = 0.0f;
  loop = false;
  deleteFrames();
}

void SkeletonChannel::read(Database *database, const quip::Dictionary &d) {
  const SkeletonKeys &k = skeletonKeys();
  if (const quip::Token *t = d.lookupTyped(k.loop, quip::TYPE_SYMBOL))
    loop = t->toBool();
  const quip::Token *t = d.lookupTyped(k.frames, quip::TYPE_ARRAY);
  if (!t || !t->isArray())
    return;
  deleteFrames();
  const quip::Array &frames = t->array();
  for (uint32_t i = 0; i < frames.count(); ++i) {
    if (!frames[i].isDictionary())
      continue;
    const quip::Dictionary &f = frames[i].dictionary();
    auto *frame = new SkeletonFrame;
    frame->database = database;
    if (const quip::Token *v = f.lookupTyped(k.time, quip::TYPE_NUMBER))
      v->get(frame->time);
    if (const quip::Token *v = f.lookupTyped(k.skeleton, quip::TYPE_SYMBOL))
      v->get(frame->skeleton);
    if (const quip::Token *v = f.lookupTyped(k.skeletonAge, quip::TYPE_NUMBER))
      v->get(frame->skeletonAge);
    if (const quip::Token *v = f.lookupTyped(k.continueAge, quip::TYPE_SYMBOL))
      frame->continueAge = v->toBool();
    addFrame(frame);
  }
  if (!m_frames.isEmpty() && m_frames[0]->time > 0.0f) {
    std::fputs("WARNING - Inserting empty skeleton frame at time zero.\n", stderr);
    auto *empty = new SkeletonFrame;
    empty->database = database;
    insertFrame(0, empty);
  }
}

void SkeletonChannel::write(quip::Dictionary &d) const {
  const SkeletonKeys &k = skeletonKeys();
  if (loop)
    d.set(k.loop, quip::boolToken(true));
  if (m_frames.isEmpty())
    return;
  quip::Array frames(m_frames.size());
  for (uint32_t i = 0; i < m_frames.size(); ++i) {
    const SkeletonFrame &f = *m_frames[i];
    quip::Dictionary form;
    if (f.time != 0.0f)
      form.set(k.time, quip::Token(f.time));
    if (!f.skeleton.isEmpty())
      form.set(k.skeleton, quip::Token(f.skeleton, false));
    if (f.skeletonAge != 0.0f)
      form.set(k.skeletonAge, quip::Token(f.skeletonAge));
    if (f.continueAge)
      form.set(k.continueAge, quip::boolToken(true));
    frames[i] = quip::Token(form);
  }
  d.set(k.frames, quip::Token(frames, false));
}

namespace {
enum FrameBits : uint8_t { HAS_TIME = 1, HAS_SKELETON = 2, HAS_AGE = 4, CONTINUES = 8 };
}

bool SkeletonChannel::readBinary(Database *database, file::ByteProducer &in) {
  uint32_t count = 0;
  if (!readTrackHead(in, loop, count))
    return false;
  deleteFrames();
  for (uint32_t i = 0; i < count; ++i) {
    if (!recordFollows(in))
      return false;
    uint8_t mask = 0;
    file::read(mask, in);
    auto *frame = new SkeletonFrame;
    frame->database = database;
    if (mask & HAS_TIME)
      file::read(frame->time, in);
    if (mask & HAS_SKELETON)
      file::read(frame->skeleton, in);
    if (mask & HAS_AGE)
      file::read(frame->skeletonAge, in);
    frame->continueAge = (mask & CONTINUES) != 0;
    m_frames.push(frame);
    if (in.overrun())
      return false;
  }
  return true;
}

void SkeletonChannel::writeBinary(file::ByteReceiver &out) const {
  writeTrackHead(out, loop, m_frames.size());
  for (const SkeletonFrame *f : m_frames) {
    uint8_t mask =
        uint8_t((f->time != 0.0f ? HAS_TIME : 0) | (!f->skeleton.isEmpty() ? HAS_SKELETON : 0) |
                (f->skeletonAge != 0.0f ? HAS_AGE : 0) | (f->continueAge ? CONTINUES : 0));
    file::write(mask, out);
    if (mask & HAS_TIME)
      file::write(f->time, out);
    if (mask & HAS_SKELETON)
      file::write(f->skeleton, out);
    if (mask & HAS_AGE)
      file::write(f->skeletonAge, out);
  }
}

} // namespace animation
