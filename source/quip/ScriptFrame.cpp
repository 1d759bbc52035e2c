#include "quip/ScriptFrame.h"

#include "file/Database.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"

#include <cmath>

namespace quip {

Symbol ScriptFrame::typeSymbol() const { return SYM(L"scriptFrame"); }

Symbol FinalScriptFrame::typeSymbol() const { return SYM(L"finalScriptFrame"); }

void ScriptFrame::fire() {
  if (m_code.count() == 0)
    return;
  // Without a framework manager there is nowhere to run the code.
  Database *database = Database::current();
  ScriptManager *manager = database ? database->scriptManagers().find(SYM(L"framework")) : nullptr;
  if (!manager)
    return;
  manager->spawn(SYM(L"scriptFrame"), m_code)->runToCompletion();
}

void ScriptFrame::load(const Dictionary &dictionary) {
  const Token *code = dictionary.lookupTyped(SYM(L"code"), TYPE_ARRAY);
  if (code)
    code->get(m_code);
  const Token *time = dictionary.lookupTyped(SYM(L"time"), TYPE_NUMBER);
  if (time)
    time->get(m_time);
}

void ScriptFrame::save(Dictionary &dictionary) const {
  dictionary.set(SYM(L"type"), Token(typeSymbol(), false));
  dictionary.set(SYM(L"time"), Token(m_time));
  if (m_code.count() != 0)
    dictionary.set(SYM(L"code"), Token(m_code, true));
}

ScriptFrameTrack::~ScriptFrameTrack() {
  for (ScriptFrame *frame : m_frames)
    delete frame;
}

void ScriptFrameTrack::read(const Dictionary &dictionary) {
  if (const Token *loop = dictionary.lookupTyped(SYM(L"loop"), TYPE_SYMBOL)) {
    bool flag = loops();
    loop->get(flag);
    setLoop(flag);
  }
  const Token *frames = dictionary.lookupTyped(SYM(L"frames"), TYPE_ARRAY);
  if (!frames || !frames->isArray())
    return;
  const Array &list = frames->array();
  for (uint32_t i = 0; i < list.count(); ++i) {
    if (!list[i].isDictionary())
      continue;
    const Dictionary &entry = list[i].dictionary();
    Symbol type;
    const Token *typeToken = entry.lookupTyped(SYM(L"type"), TYPE_SYMBOL);
    if (!typeToken || !typeToken->get(type))
      continue;
    ScriptFrame *frame = nullptr;
    if (type == SYM(L"scriptFrame"))
      frame = new ScriptFrame;
    else if (type == SYM(L"finalScriptFrame"))
      frame = new FinalScriptFrame;
    else
      continue;
    frame->load(entry);
    m_frames.push(frame);
  }
}

void ScriptFrameTrack::save(Dictionary &dictionary) const {
  if (m_loop)
    dictionary.set(SYM(L"loop"), Token(trueSymbol(), false));
  if (m_frames.isEmpty())
    return;
  Array list(0);
  for (ScriptFrame *frame : m_frames) {
    Dictionary entry;
    frame->save(entry);
    list.append(Token(entry));
  }
  dictionary.set(SYM(L"frames"), Token(list, false));
}

namespace {
// Takes the length off while the time is beyond it (a time equal to the
// length stays); far-off times are brought near first.
float wrapped(float time, float length) {
  if (time > length * 1e6f)
    time = std::fmod(time, length) + length;
  while (time > length)
    time -= length;
  return time;
}
} // namespace

void ScriptFrameTrack::fire(float from, float to) {
  if (m_frames.isEmpty())
    return;
  float length = this->length();
  if (m_loop && length > 0) {
    from = wrapped(from, length);
    to = wrapped(to, length);
  }
  // Firing runs scripts that might change this track: walk by index.
  for (uint32_t i = 0; i < m_frames.size(); ++i) {
    float t = m_frames[i]->time();
    bool crossed = from < to ? (from <= t && t < to) : (from > to && (t >= from || t < to));
    if (crossed)
      m_frames[i]->fire();
  }
}

} // namespace quip
