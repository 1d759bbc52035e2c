#include "text/RichText.h"

#include "error/Log.h"
#include "file/BinaryPrimitives.h"
#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "file/Database.h"
#include "file/TextBinary.h"
#include "quip/Token.h"
#include "text/RichTextNodes.h"
#include "text/RichTextParser.h"
#include "video/Canvas.h"

namespace text {

RichText::RichText() { m_format.alignment = math::Vector2(0.0f, 0.0f); }

RichText::~RichText() {
  delete m_root;
  delete m_reveal;
}

void RichText::setText(const String &text) {
  m_text = text;
  delete m_root;
  m_root = nullptr;
  m_messages.clear();
  m_root = richText::parseRichText(text, Database::current(), m_messages);
  for (uint32_t i = 0; i < m_messages.size(); ++i)
    logLine(m_messages[i]);
  relayout();
}

void RichText::setWidth(float width) {
  m_layout.wrapWidth = width > 0.0f ? width : -1.0f;
  relayout();
}

void RichText::setLineSpacing(float spacing) { m_layout.lineSpacing = spacing; }

void RichText::setJustification(Symbol keyword) {
  static const Symbol center = Symbol::intern(L"center");
  static const Symbol right = Symbol::intern(L"right");
  m_justification = keyword == center  ? RichTextDrawContext::CENTER
                    : keyword == right ? RichTextDrawContext::RIGHT
                                       : RichTextDrawContext::LEFT;
}

void RichText::setReveal(RichTextReveal *reveal) {
  if (reveal == m_reveal)
    return;
  delete m_reveal;
  m_reveal = reveal;
}

RichTextReveal *RichText::readReveal(const quip::Dictionary &dictionary) {
  static const Symbol speed = Symbol::intern(L"speed");
  auto *reveal = new RichTextReveal;
  if (const quip::Token *t = dictionary.lookupTyped(speed, quip::TYPE_NUMBER))
    t->get(reveal->speed);
  return reveal;
}

void RichText::relayout() {
  if (!m_root)
    return;
  m_layout.reset(m_format);
  m_root->layout(m_layout);
  m_layout.finish();
}

void RichText::update(float dt) {
  if (m_root)
    m_root->update(dt);
  if (m_reveal)
    m_reveal->time += dt;
}

void RichText::render(video::Canvas &canvas) {
  if (!m_root)
    return;
  RichTextDrawContext context(canvas, m_layout, m_format, m_justification, m_reveal);
  canvas.pushMatrix();
  canvas.translate(position);
  context.begin();
  m_root->draw(context);
  canvas.popMatrix();
}

math::Rectangle RichText::getBounds() const {
  float h = m_layout.totalHeight();
  math::Rectangle box;
  box.set(0.0f, -h, m_layout.justifiedWidth(), h);
  return box;
}

void RichText::write(file::ByteReceiver &out) const {
  uint8_t flags = 0;
  if (m_layout.wrapWidth >= 0.0f)
    flags |= 1;
  if (m_layout.lineSpacing != 0.0f)
    flags |= 2;
  flags |= m_justification == RichTextDrawContext::LEFT    ? 4
           : m_justification == RichTextDrawContext::RIGHT ? 8
                                                           : 16;
  file::write(flags, out);
  if (flags & 1)
    file::write(m_layout.wrapWidth, out);
  if (flags & 2)
    file::write(m_layout.lineSpacing, out);
  m_format.write(out);
  file::write(m_text, out);
}

bool RichText::read(Database *database, file::ByteProducer &in) {
  uint8_t flags = 0;
  float width = -1.0f, spacing = 0.0f;
  file::read(flags, in);
  if (flags & 1)
    file::read(width, in);
  if (flags & 2)
    file::read(spacing, in);
  if (flags & 4)
    m_justification = RichTextDrawContext::LEFT;
  else if (flags & 8)
    m_justification = RichTextDrawContext::RIGHT;
  else if (flags & 16)
    m_justification = RichTextDrawContext::CENTER;
  bool ok = m_format.read(database, in);
  String text;
  file::read(text, in);
  if (!ok || in.overrun())
    return false;
  m_layout.wrapWidth = width > 0.0f ? width : -1.0f;
  m_layout.lineSpacing = spacing;
  setText(text);
  return true;
}

} // namespace text
