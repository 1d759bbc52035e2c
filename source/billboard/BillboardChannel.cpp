#include "billboard/BillboardChannel.h"

#include "billboard/Billboard2D.h"
#include "billboard/BillboardKeys.h"
#include "file/BinaryPrimitives.h"
#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "math/Scalar.h"
#include "quip/Token.h"
#include "texture/Texture.h"

#include <cstdio>

BillboardFrame::~BillboardFrame() { delete billboard; }

float BillboardChannel::length() const { return m_frames.isEmpty() ? 0.0f : m_frames.last()->time; }

void BillboardChannel::setAge(float t) {
  m_age = t;
  float l = length();
  if (loop && l > 0.0f)
    m_age = math::wrap(t, l);
}

Billboard2D *BillboardChannel::billboardAt(float age) const {
  if (m_frames.isEmpty())
    return nullptr;
  uint32_t chosen = 0;
  for (uint32_t i = 1; i < m_frames.size(); ++i) {
    if (m_frames[i]->time > age)
      break;
    chosen = i;
  }
  return m_frames[chosen]->billboard;
}

bool BillboardChannel::isEmpty() const { return loop ? false : m_frames.isEmpty(); }

void BillboardChannel::touch() {
  for (BillboardFrame *f : m_frames)
    if (f->billboard && f->billboard->texture())
      f->billboard->texture()->load();
}

void BillboardChannel::deleteFrames() {
  for (BillboardFrame *f : m_frames)
    delete f;
  m_frames.clear();
}

void BillboardChannel::reset() {
  m_age = 0.0f;
  loop = false;
  deleteFrames();
}

void BillboardChannel::insertFrame(uint32_t index, BillboardFrame *frame) {
  m_frames.insertAt(index, frame);
}

void BillboardChannel::removeFrame(uint32_t index) {
  if (index >= m_frames.size())
    return;
  delete m_frames[index];
  for (uint32_t i = index; i + 1 < m_frames.size(); ++i)
    m_frames[i] = m_frames[i + 1];
  m_frames.pop();
}

uint32_t BillboardChannel::read(Database *database, const quip::Dictionary &d) {
  const BillboardKeys &k = billboardKeys();
  if (const quip::Token *t = d.lookupTyped(k.loop, quip::TYPE_SYMBOL))
    loop = t->toBool();
  if (const quip::Token *t = d.lookupTyped(k.frames, quip::TYPE_ARRAY)) {
    deleteFrames();
    const quip::Array &frames = t->array();
    for (uint32_t i = 0; i < frames.count(); ++i) {
      if (!frames[i].isDictionary())
        continue;
      const quip::Dictionary &f = frames[i].dictionary();
      auto *frame = new BillboardFrame;
      if (const quip::Token *time = f.lookupTyped(k.time, quip::TYPE_NUMBER))
        frame->time = time->number();
      if (const quip::Token *b = f.lookupTyped(k.billboard, quip::TYPE_DICTIONARY)) {
        frame->billboard = new Billboard2D;
        frame->billboard->read(database, b->dictionary());
      }
      m_frames.push(frame);
    }
  }
  if (const quip::Token *b = d.lookupTyped(k.billboard, quip::TYPE_DICTIONARY)) {
    auto *billboard = new Billboard2D;
    billboard->read(database, b->dictionary());
    insertFrame(0, new BillboardFrame(0.0f, billboard));
  }
  if (!m_frames.isEmpty() && m_frames[0]->time > 0.0f) {
    std::fputs("WARNING - Inserting empty billboard frame at time zero.\n", stderr);
    insertFrame(0, new BillboardFrame(0.0f, nullptr));
  }
  return m_frames.size();
}

void BillboardChannel::write(quip::Dictionary &d) const {
  const BillboardKeys &k = billboardKeys();
  if (loop)
    d.set(k.loop, quip::boolToken(true));
  if (m_frames.isEmpty())
    return;
  quip::Array frames(m_frames.size());
  for (uint32_t i = 0; i < m_frames.size(); ++i) {
    quip::Dictionary f;
    if (m_frames[i]->time != 0.0f)
      f.set(k.time, quip::Token(m_frames[i]->time));
    if (m_frames[i]->billboard) {
      quip::Dictionary b;
      m_frames[i]->billboard->write(b);
      f.set(k.billboard, quip::Token(b));
    }
    frames[i] = quip::Token(f);
  }
  d.set(k.frames, quip::Token(frames, false));
}

void BillboardChannel::writeBinary(Database *database, file::ByteReceiver &out) const {
  file::write(uint8_t(loop ? 1 : 0), out);
  file::write(uint32_t(m_frames.size()), out);
  for (const BillboardFrame *f : m_frames) {
    uint8_t flags = uint8_t((f->time != 0.0f ? 1 : 0) | (f->billboard ? 2 : 0));
    file::write(flags, out);
    if (flags & 1)
      file::write(f->time, out);
    if (f->billboard)
      f->billboard->writeBinary(database, out);
  }
}

bool BillboardChannel::readBinary(Database *database, file::ByteProducer &in) {
  uint8_t looping = 0;
  uint32_t count = 0;
  file::read(looping, in);
  file::read(count, in);
  if (in.overrun())
    return false;
  loop = looping != 0;
  deleteFrames();
  for (uint32_t i = 0; i < count; ++i) {
    // A frame takes at least its flags byte: a count beyond the data is a
    // broken record, not a reason to allocate.
    if (in.bytesRemaining() == 0)
      return false;
    uint8_t flags = 0;
    file::read(flags, in);
    auto *frame = new BillboardFrame;
    if (flags & 1)
      file::read(frame->time, in);
    m_frames.push(frame);
    if (flags & 2) {
      frame->billboard = new Billboard2D;
      if (!frame->billboard->readBinary(database, in))
        return false;
    }
    if (in.overrun())
      return false;
  }
  return true;
}
