#include "text/RichTextLayout.h"

#include "text/Font.h"
#include "text/TextFormat.h"
#include "video/Canvas.h"

#include <algorithm>

namespace text {

void RichTextLayout::reset(TextFormat &base) {
  current = &base;
  lines.clear();
  lineWidth = 0.0f;
  lineHeight = 0.0f;
  widest = 0.0f;
}

void RichTextLayout::addItem(float width, float height, bool isSpace) {
  if (isSpace && lineWidth == 0.0f)
    return;
  if (!isSpace && wrapWidth > 0.0f && lineWidth + width > wrapWidth)
    endLine();
  lineWidth += width;
  lineHeight = std::max(lineHeight, height);
}

void RichTextLayout::endLine() {
  lines.push(math::Vector2(lineWidth, lineHeight));
  widest = std::max(widest, lineWidth);
  lineWidth = 0.0f;
  Font *font = current ? current->font() : nullptr;
  lineHeight = font ? font->height() : 0.0f;
}

void RichTextLayout::finish() {
  if (lineWidth > 0.0f)
    endLine();
}

float RichTextLayout::totalHeight() const {
  float height = 0.0f;
  for (const math::Vector2 &line : lines)
    height += line.y;
  return height;
}

float RichTextDrawContext::offsetOf(uint32_t index) const {
  if (index >= layout.lines.size())
    return 0.0f;
  float free = layout.justifiedWidth() - layout.lines[index].x;
  switch (justification) {
  case CENTER:
    return free / 2.0f;
  case RIGHT:
    return free;
  default:
    return 0.0f;
  }
}

void RichTextDrawContext::begin() {
  float first = layout.lines.isEmpty() ? 0.0f : layout.lines[0].y;
  canvas.translate(0.0f, -first);
  offset = offsetOf(0);
  canvas.translate(offset, 0.0f);
}

void RichTextDrawContext::nextLine() {
  if (line + 1 >= layout.lines.size())
    return;
  float down = layout.lines[line].y / 2.0f + layout.lines[line + 1].y / 2.0f + layout.lineSpacing;
  canvas.translate(-(cursor + offset), -down);
  cursor = 0.0f;
  ++line;
  offset = offsetOf(line);
  canvas.translate(offset, 0.0f);
}

void RichTextDrawContext::place(float width) {
  if (line < layout.lines.size() && layout.lines[line].x < cursor + width)
    nextLine();
  cursor += width;
  drawn += width;
}

} // namespace text
