// The dictionary form of a channel: "loop" and a "frames" array of frame
// dictionaries, each naming its kind under "type" (fixed when absent).
#include "math/Channel.h"
#include "math/FinalFrame.h"
#include "math/FixedFrame.h"
#include "math/OscillatorFrame.h"
#include "math/ParabolaFrame.h"
#include "math/ValueFrame.h"
#include "quip/Token.h"

namespace math {

namespace {

// Null for a type that names none of the five kinds.
Frame *makeFrame(const quip::Token *type) {
  if (!type)
    return new FixedFrame;
  if (type->type() != quip::TYPE_SYMBOL)
    return nullptr;
  Symbol name = type->symbol();
  if (name == FixedFrame::typeSymbol())
    return new FixedFrame;
  if (name == ValueFrame::typeSymbol())
    return new ValueFrame;
  if (name == OscillatorFrame::typeSymbol())
    return new OscillatorFrame;
  if (name == ParabolaFrame::typeSymbol())
    return new ParabolaFrame;
  if (name == FinalFrame::typeSymbol())
    return new FinalFrame;
  return nullptr;
}

} // namespace

bool Channel::load(const quip::Dictionary &dict) {
  if (const quip::Token *loop = dict.lookup(SYM(L"loop")))
    m_loop = loop->toBool();
  const quip::Token *frames = dict.lookup(SYM(L"frames"));
  if (!frames)
    return true;
  if (frames->type() != quip::TYPE_ARRAY)
    return false;
  clearFrames();
  bool ok = true;
  const quip::Array &list = frames->array();
  for (unsigned i = 0; i < list.count(); ++i) {
    const quip::Token &element = list[i];
    if (element.type() != quip::TYPE_DICTIONARY) {
      ok = false;
      continue;
    }
    const quip::Dictionary &frameDict = element.dictionary();
    Frame *frame = makeFrame(frameDict.lookup(SYM(L"type")));
    if (!frame || !frame->load(frameDict)) {
      delete frame;
      ok = false;
      continue;
    }
    addFrame(frame);
  }
  return ok;
}

void Channel::save(quip::Dictionary &dict) const {
  if (m_loop)
    dict.set(SYM(L"loop"), quip::Token(quip::trueSymbol(), false));
  if (m_frames.isEmpty())
    return;
  quip::Array *list = new quip::Array(m_frames.size());
  for (unsigned i = 0; i < m_frames.size(); ++i) {
    quip::Dictionary *frameDict = new quip::Dictionary;
    m_frames[i]->save(*frameDict);
    list->set(quip::Token(frameDict), i);
  }
  dict.set(SYM(L"frames"), quip::Token(list, false));
}

} // namespace math
