#include "math/Color.h"
#include "text/TextBox.h"
#include "video/Canvas.h"

namespace text {

namespace {
const math::Color READ_ONLY(0.7f, 0.7f, 0.7f, 1.0f);
} // namespace

void TextBox::update(float dt) {
  if (showCursor) {
    m_blinkTimer += dt;
    if (m_blinkTimer > 0.5f) {
      m_cursorOn = !m_cursorOn;
      m_blinkTimer = 0;
    }
  }
  float x =
      m_cursorLine < m_lines.size() ? prefixWidth(m_lines[m_cursorLine].text, m_cursorColumn) : 0;
  m_cursorPosition = math::Vector2(x + 1.0f, lineTop(m_cursorLine) - lineHeight() / 2.0f);
}

uint32_t TextBox::visibleLines() const {
  int steps = 0;
  float step = lineHeight() + m_lineSpacing;
  if (maxHeight >= 0 && step > 0.0f)
    steps = int(float(maxHeight) / step);
  int lines = maxLines > 0 ? maxLines : 0;
  return uint32_t(lines > steps ? lines : steps);
}

void TextBox::render(video::Canvas &canvas) {
  math::Rectangle box = rectangle();
  if (style == BOX) {
    canvas.strokeRect(box, 1.0f, math::Color::black);
    canvas.fillRect(box, editable ? math::Color::white : READ_ONLY, 1);
  } else if (style == UNDERLINE) {
    for (uint32_t i = 0, count = visibleLines(); i < count; ++i) {
      float y = lineTop(i) - lineHeight();
      canvas.drawLine(math::Vector2(box.x, y), math::Vector2(box.x + box.width, y),
                      math::Color::black, 2.0f, false, 1);
    }
  }
  for (uint32_t i = 0; i < m_lines.size(); ++i) {
    canvas.pushMatrix();
    canvas.translate(math::Vector2(0.0f, lineTop(i) - lineHeight() / 2.0f));
    draw(canvas, m_lines[i].text);
    canvas.popMatrix();
  }
}

void TextBox::renderCursor(video::Canvas &canvas) const {
  if (showCursor && m_cursorOn)
    canvas.fillRect(m_cursorPosition.x - 1.0f, m_cursorPosition.y - lineHeight() / 2.0f, 2.0f,
                    lineHeight(), math::Color::black, 1);
}

} // namespace text
