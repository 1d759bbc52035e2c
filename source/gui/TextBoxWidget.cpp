#include "gui/TextBoxWidget.h"

#include "gui/DictionaryRead.h"
#include "gui/Page.h"
#include "input/InputEvent.h"

namespace GUI {

TextBoxWidget::TextBoxWidget() : m_onChange(0), m_onEnter(0) {
  setKeyboardFocusable(true);
  m_textBox.addListener(this);
}

bool TextBoxWidget::hasFocus() const { return hasPage() && page()->keyboardFocus() == this; }

void TextBoxWidget::update(float dt) {
  Widget::update(dt);
  m_textBox.update(dt);
}

void TextBoxWidget::draw(video::Canvas &canvas) {
  m_textBox.render(canvas);
  if (hasFocus())
    m_textBox.renderCursor(canvas);
}

bool TextBoxWidget::onPointerDown(const framework::InputEvent &event) {
  math::Vector2 point = framework::pointerPosition(event);
  if (!containsPoint(point)) {
    if (hasPage())
      page()->releaseKeyboardFocus(this);
    return false;
  }
  if (!m_textBox.placeCursor(fromScreen(point)))
    return false;
  if (hasPage())
    page()->setKeyboardFocus(this);
  return true;
}

bool TextBoxWidget::onCharacter(const framework::InputEvent &event) {
  return hasFocus() && m_textBox.insertCharacter(event.key);
}

bool TextBoxWidget::onKeyPress(const framework::InputEvent &event) {
  return hasFocus() && m_textBox.keyPress(event.key, event.modifiers);
}

void TextBoxWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  if (const quip::Token *box = typedValue(d, SYM(L"textBox"), quip::TYPE_DICTIONARY))
    m_textBox.load(box->dictionary());
  readCode(d, SYM(L"onChange"), m_onChange);
  readCode(d, SYM(L"onEnter"), m_onEnter);
  if (const quip::Token *changed = d.lookup(SYM(L"changed")); changed && changed->toBool())
    m_textBox.notifyChanged();
  if (const quip::Token *entered = d.lookup(SYM(L"entered")); entered && entered->toBool())
    m_textBox.notifyEntered();
}

void TextBoxWidget::write(quip::Dictionary &d) const {
  Widget::write(d);
  d.set(SYM(L"text"), quip::Token(m_textBox.text()));
  quip::Array lines(0);
  for (uint32_t i = 0; i < m_textBox.lineCount(); ++i)
    lines.append(quip::Token(m_textBox.lineText(i)));
  d.set(SYM(L"lines"), quip::Token(lines, false));
}

} // namespace GUI
