#include "text/RichTextNodes.h"

#include "text/RichTextLayout.h"
#include "video/Canvas.h"

#include <algorithm>

namespace text::richText {

void LeafNode::layout(RichTextLayout &layout) {
  layout.addItem(width(*layout.current), height(*layout.current), false);
}

InteriorNode::~InteriorNode() {
  for (uint32_t i = 0; i < m_children.size(); ++i)
    delete m_children[i];
}

void InteriorNode::draw(RichTextDrawContext &context) {
  for (uint32_t i = 0; i < m_children.size(); ++i)
    m_children[i]->draw(context);
}

void InteriorNode::update(float dt) {
  for (uint32_t i = 0; i < m_children.size(); ++i)
    m_children[i]->update(dt);
}

void InteriorNode::layout(RichTextLayout &layout) {
  for (uint32_t i = 0; i < m_children.size(); ++i)
    m_children[i]->layout(layout);
}

void NodeFormat::draw(RichTextDrawContext &context) {
  TextFormat *outer = context.format;
  context.format = &m_format;
  InteriorNode::draw(context);
  context.format = outer;
}

void NodeFormat::layout(RichTextLayout &layout) {
  TextFormat *outer = layout.current;
  layout.current = &m_format;
  InteriorNode::layout(layout);
  layout.current = outer;
}

void NodeColor::draw(RichTextDrawContext &context) {
  math::Color outer = context.format->color;
  context.format->color = m_color;
  InteriorNode::draw(context);
  context.format->color = outer;
}

void NodeUnderline::draw(RichTextDrawContext &context) {
  float outer = context.format->underline;
  context.format->underline = m_width;
  InteriorNode::draw(context);
  context.format->underline = outer;
}

void NodeText::draw(RichTextDrawContext &context) {
  float w = width(*context.format);
  context.place(w);
  float reveal = 1.0f;
  bool shown = true;
  if (context.reveal) {
    float shownAdvance = context.reveal->time * context.reveal->speed;
    float start = context.drawn - w;
    shown = start < shownAdvance;
    reveal = std::min((shownAdvance - start) / w, 1.0f);
  }
  if (shown)
    context.format->draw(context.canvas, m_word, reveal);
  context.canvas.translate(w, 0.0f);
}

float NodeSpace::width(const TextFormat &format) const {
  static const String space(L" ");
  return format.stringWidth(space);
}

void NodeSpace::layout(RichTextLayout &layout) {
  layout.addItem(width(*layout.current), height(*layout.current), true);
}

void NodeSpace::draw(RichTextDrawContext &context) {
  if (context.cursor <= 0.0f)
    return;
  float w = width(*context.format);
  context.cursor += w;
  context.drawn += w;
  context.canvas.translate(w, 0.0f);
}

void NodeLineBreak::draw(RichTextDrawContext &context) { context.nextLine(); }

void NodeLineBreak::layout(RichTextLayout &layout) { layout.endLine(); }

void NodeBillboard2D::draw(RichTextDrawContext &context) {
  float w = width(*context.format);
  context.place(w);
  m_billboard.position = math::Vector2(w / 2.0f, m_billboard.size.y / 2.0f);
  m_billboard.render(context.canvas);
  context.canvas.translate(w, 0.0f);
}

} // namespace text::richText
