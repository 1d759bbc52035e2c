#include "math/ColorKeyFrames.h"
#include "math/ColorBinary.h"
#include "math/ColorScript.h"
#include "quip/Token.h"

namespace math {

void ColorKeyFrames::clear() {
  for (ColorKeyFrame *f : m_frames)
    delete f;
  m_frames.clear();
}

Color ColorKeyFrames::evaluate(float position) const {
  unsigned n = m_frames.size();
  if (n == 0)
    return Color::white;
  if (n == 1)
    return m_frames[0]->color;
  Color prev = m_frames[0]->color;
  float prevPos = 0.0f;
  for (const ColorKeyFrame *f : m_frames) {
    if (position < f->position) {
      float t = prevPos >= f->position ? 1.0f : (position - prevPos) / (f->position - prevPos);
      Color c = f->color;
      c -= prev;
      c *= t;
      c += prev;
      return c;
    }
    prev = f->color;
    prevPos = f->position;
  }
  return m_frames[n - 1]->color;
}

bool ColorKeyFrames::load(const quip::Dictionary &dict) {
  const quip::Token *frames = dict.lookup(SYM(L"frames"));
  if (!frames)
    return true;
  if (!frames->isArray())
    return false;
  clear();
  m_frames.release();
  bool ok = true;
  const quip::Array &list = frames->array();
  for (unsigned i = 0; i < list.count(); ++i) {
    if (!list[i].isDictionary()) {
      ok = false;
      continue;
    }
    const quip::Dictionary &element = list[i].dictionary();
    ColorKeyFrame *frame = new ColorKeyFrame;
    if (const quip::Token *position = element.lookup(SYM(L"position")))
      position->get(frame->position);
    if (const quip::Token *color = element.lookup(SYM(L"color")))
      readToken(*color, frame->color);
    m_frames.push(frame);
  }
  return ok;
}

void ColorKeyFrames::save(quip::Dictionary &dict) const {
  if (m_frames.isEmpty())
    return;
  quip::Array *list = new quip::Array(m_frames.size());
  for (unsigned i = 0; i < m_frames.size(); ++i) {
    quip::Dictionary *element = new quip::Dictionary;
    if (m_frames[i]->position != 0.0f)
      element->set(SYM(L"position"), quip::Token(m_frames[i]->position));
    if (!(m_frames[i]->color == Color::white))
      element->set(SYM(L"color"), m_frames[i]->color.toToken());
    list->set(quip::Token(element), i);
  }
  dict.set(SYM(L"frames"), quip::Token(list, false));
}

bool ColorKeyFrames::read(file::ByteProducer &in) {
  clear();
  if (in.bytesRemaining() < 4)
    return false;
  unsigned count;
  file::read(count, in);
  for (unsigned i = 0; i < count; ++i) {
    if (in.bytesRemaining() < 20)
      return false;
    ColorKeyFrame *frame = new ColorKeyFrame;
    file::read(frame->position, in);
    file::read(frame->color, in);
    m_frames.push(frame);
  }
  return true;
}

void ColorKeyFrames::write(file::ByteReceiver &out) const {
  file::write(m_frames.size(), out);
  for (const ColorKeyFrame *f : m_frames) {
    file::write(f->position, out);
    file::write(f->color, out);
  }
}

} // namespace math
