#include "gui/RichTextWidget.h"

#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "gui/DictionaryRead.h"
#include "text/Font.h"
#include "video/Canvas.h"

namespace GUI {

namespace {

enum Flags : int {
  ALIGN_LEFT = 1,
  ALIGN_RIGHT = 2,
  ALIGN_CENTER = 4,
  VALIGN_TOP = 8,
  VALIGN_BOTTOM = 16,
  VALIGN_CENTER = 32
};

// The index of a keyword of three; -1 for any other.
int keywordOf(Symbol keyword, Symbol first, Symbol second, Symbol third) {
  if (keyword == first)
    return 0;
  if (keyword == second)
    return 1;
  if (keyword == third)
    return 2;
  return -1;
}

} // namespace

void RichTextWidget::update(float dt) {
  Widget::update(dt);
  if (visible())
    m_richText.update(dt);
}

// The text's top-left corner sits at the top-left of the laid-out area.
void RichTextWidget::draw(video::Canvas &canvas) {
  const math::Rectangle &r = layoutRect();
  canvas.pushMatrix();
  canvas.translate(r.x, r.y + r.height);
  m_richText.render(canvas);
  canvas.popMatrix();
}

math::Rectangle RichTextWidget::localRectangle() const {
  math::Rectangle r = m_richText.getBounds();
  if (m_align == CENTER)
    r.x -= r.width / 2;
  else if (m_align == RIGHT)
    r.x -= r.width;
  if (m_valign == MIDDLE)
    r.y += r.height / 2;
  else if (m_valign == BOTTOM)
    r.y += r.height;
  return r;
}

void RichTextWidget::touch() {
  if (Font *font = m_richText.format().font())
    font->touch();
  Widget::touch();
}

void RichTextWidget::serialize(file::ByteReceiver &out) const {
  Widget::serialize(out);
  static const int alignBits[] = {ALIGN_LEFT, ALIGN_RIGHT, ALIGN_CENTER};
  static const int valignBits[] = {VALIGN_TOP, VALIGN_BOTTOM, VALIGN_CENTER};
  uint8_t flags = uint8_t((m_align >= 0 && m_align < 3 ? alignBits[m_align] : ALIGN_LEFT) |
                          (m_valign >= 0 && m_valign < 3 ? valignBits[m_valign] : VALIGN_TOP));
  file::write(flags, out);
  m_richText.write(out);
}

void RichTextWidget::deserialize(file::ByteProducer &in) {
  Widget::deserialize(in);
  uint8_t flags = 0;
  file::read(flags, in);
  m_align = flags & ALIGN_RIGHT ? RIGHT : flags & ALIGN_CENTER ? CENTER : LEFT;
  m_valign = flags & VALIGN_BOTTOM ? BOTTOM : flags & VALIGN_CENTER ? MIDDLE : TOP;
  m_richText.read(Database::current(), in);
}

void RichTextWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  if (const quip::Token *format = typedValue(d, SYM(L"format"), quip::TYPE_DICTIONARY)) {
    m_richText.format().read(Database::current(), format->dictionary());
    m_richText.relayout();
  }
  if (const quip::Token *text = typedValue(d, SYM(L"text"), quip::TYPE_STRING))
    m_richText.setText(text->string());
  if (const quip::Token *width = typedValue(d, SYM(L"width"), quip::TYPE_NUMBER))
    m_richText.setWidth(width->number());
  if (const quip::Token *padding = typedValue(d, SYM(L"verticalPadding"), quip::TYPE_NUMBER))
    m_richText.setLineSpacing(padding->number());
  if (const quip::Token *align = typedValue(d, SYM(L"align"), quip::TYPE_SYMBOL)) {
    int a = keywordOf(align->symbol(), SYM(L"left"), SYM(L"right"), SYM(L"center"));
    if (a >= 0)
      m_align = a;
  }
  if (const quip::Token *valign = typedValue(d, SYM(L"valign"), quip::TYPE_SYMBOL)) {
    int a = keywordOf(valign->symbol(), SYM(L"top"), SYM(L"bottom"), SYM(L"center"));
    if (a >= 0)
      m_valign = a;
  }
  if (const quip::Token *justify = typedValue(d, SYM(L"justify"), quip::TYPE_SYMBOL))
    m_richText.setJustification(justify->symbol());
  if (const quip::Token *reveal = typedValue(d, SYM(L"reveal"), quip::TYPE_DICTIONARY))
    m_richText.setReveal(text::RichText::readReveal(reveal->dictionary()));
}

void RichTextWidget::write(quip::Dictionary &d) const {
  Widget::write(d);
  d.set(SYM(L"text"), quip::Token(m_richText.text()));
}

} // namespace GUI
