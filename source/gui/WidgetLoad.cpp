#include "animation/AnimationDefinition.h"
#include "error/Log.h"
#include "file/BinaryPrimitives.h"
#include "gui/DictionaryRead.h"
#include "gui/LayoutKeywords.h"
#include "gui/Page.h"
#include "gui/Widget.h"
#include "gui/WidgetRegistry.h"
#include "math/Bounds2D.h"
#include "quip/ScriptFrame.h"

namespace GUI {

namespace {

// Each of the four page states that the dictionary under key names.
template <typename F> void forEachState(const quip::Dictionary &d, Symbol key, F &&f) {
  const quip::Token *states = typedValue(d, key, quip::TYPE_DICTIONARY);
  if (!states)
    return;
  for (uint32_t state = 0; state < 4; ++state)
    if (const quip::Token *entry =
            typedValue(states->dictionary(), keywordName(KeywordTable::PAGE_STATE, state),
                       quip::TYPE_DICTIONARY))
      f(int(state), entry->dictionary());
}

void readKeyword(const quip::Dictionary &d, Symbol key, KeywordTable table, uint32_t &field) {
  const quip::Token *value = typedValue(d, key, quip::TYPE_SYMBOL);
  if (value)
    field = keywordIndex(table, value->symbol());
}

} // namespace

void Widget::load(const quip::Dictionary &d) {
  if (m_children.isEmpty())
    createDefaultChildren();
  if (const quip::Token *name = typedValue(d, SYM(L"name"), quip::TYPE_SYMBOL))
    m_name = name->symbol();
  if (const quip::Token *position = d.lookup(SYM(L"position")))
    m_position.fromToken(*position);
  readTruth(d, SYM(L"visible"), m_visible);
  readTruth(d, SYM(L"keyboardFocusable"), m_keyboardFocusable);
  if (const quip::Token *children = typedValue(d, SYM(L"children"), quip::TYPE_ARRAY))
    loadChildren(children->array());
  readCode(d, SYM(L"onKeyPress"), m_onKeyPress);
  readCode(d, SYM(L"onKeyRelease"), m_onKeyRelease);
  forEachState(d, SYM(L"animation"), [this](int state, const quip::Dictionary &entry) {
    auto *animation = new animation::AnimationDefinition;
    animation->load(entry);
    setAnimation(state, animation);
  });
  forEachState(d, SYM(L"scriptChannel"), [this](int state, const quip::Dictionary &entry) {
    auto *track = new quip::ScriptFrameTrack;
    track->read(entry);
    setScriptTrack(state, track);
  });
  if (const quip::Token *bounds = typedValue(d, SYM(L"bounds"), quip::TYPE_DICTIONARY))
    setHitArea(math::createBounds2D(bounds->dictionary()));
  readKeyword(d, SYM(L"hAlign"), KeywordTable::H_ALIGN, m_hAlign);
  readKeyword(d, SYM(L"vAlign"), KeywordTable::V_ALIGN, m_vAlign);
  readKeyword(d, SYM(L"hLayout"), KeywordTable::H_LAYOUT, m_hLayout);
  readKeyword(d, SYM(L"vLayout"), KeywordTable::V_LAYOUT, m_vLayout);
  readTruth(d, SYM(L"hExpand"), m_hExpand);
  readTruth(d, SYM(L"vExpand"), m_vExpand);
  readValue(d, SYM(L"hSpacing"), m_hSpacing);
  readValue(d, SYM(L"vSpacing"), m_vSpacing);
  readValue(d, SYM(L"hMargin"), m_hMargin);
  readValue(d, SYM(L"vMargin"), m_vMargin);
}

void Widget::loadChildren(const quip::Array &names) {
  if (!m_children.isEmpty()) {
    destroyChildren();
    createDefaultChildren();
  }
  WidgetRegistry *registry = WidgetRegistry::instance();
  for (uint32_t i = 0; i < names.count(); ++i) {
    Symbol name;
    Widget *child = names[i].get(name) ? registry->take(name) : nullptr;
    if (child) {
      addChild(child);
      continue;
    }
    String report(L"Widget ");
    report += m_name.text();
    report += L" in page ";
    if (hasPage())
      report += page()->name().text();
    report += L" failed to load child ";
    report += String::toString(i);
    report += L'\n';
    for (uint32_t k = 0; k < m_children.size(); ++k) {
      quip::Dictionary written;
      m_children[k]->write(written);
      report += L"Child ";
      report += String::toString(k);
      report += L") ";
      report += quip::Token(written).toString();
      report += L'\n';
    }
    logLine(report);
  }
}

void Widget::write(quip::Dictionary &d) const {
  d.set(SYM(L"name"), quip::Token(m_name, false));
  quip::Token position;
  quip::toToken(m_position, position);
  d.set(SYM(L"position"), position);
  d.set(SYM(L"visible"), quip::Token(m_visible ? quip::trueSymbol() : quip::falseSymbol(), false));
}

void Widget::serialize(file::ByteReceiver &out) const {
  file::write(m_position.x, out);
  file::write(m_position.y, out);
  file::write(static_cast<unsigned char>(m_visible ? 1 : 0), out);
  for (Widget *child : m_children)
    child->serialize(out);
}

void Widget::deserialize(file::ByteProducer &in) {
  file::read(m_position.x, in);
  file::read(m_position.y, in);
  unsigned char visible = 0;
  file::read(visible, in);
  m_visible = visible != 0;
  for (Widget *child : m_children)
    child->deserialize(in);
}

} // namespace GUI
