// What formatted text draws besides its glyphs: underline, strikeout and the
// box around a text, through the canvas's lines and rectangles.

#include "text/Font.h"
#include "text/FormattedText.h"
#include "text/TextFormat.h"
#include "video/Canvas.h"

namespace text {

void TextFormat::drawDecorations(video::Canvas &canvas, const String &text,
                                 const math::Vector2 &o) const {
  if (underline <= 0.0f && strikeout <= 0.0f)
    return;
  float w = m_font->stringWidth(text, fixedWidth, fixedAdvance);
  if (underline > 0.0f)
    canvas.drawLine(math::Vector2(o.x, o.y - 3.0f), math::Vector2(o.x + w, o.y - 3.0f),
                    underlineColor, underline, false, video::BLEND_NORMAL);
  if (strikeout > 0.0f) {
    float y = o.y + m_font->strikeoutHeight();
    // White, so that it shows in the text's colour.
    canvas.drawLine(math::Vector2(o.x, y), math::Vector2(o.x + w, y), math::Color::white, strikeout,
                    false, video::BLEND_NORMAL);
  }
}

namespace {
math::Rectangle grown(const math::Rectangle &box, float marginX, float marginY) {
  math::Rectangle out;
  out.set(box.x - marginX, box.y - marginY, box.width + 2.0f * marginX,
          box.height + 2.0f * marginY);
  return out;
}
} // namespace

void FormattedText::strokeBounds(video::Canvas &canvas, const math::Color &color, float lineWidth,
                                 float marginX, float marginY) const {
  canvas.strokeRect(grown(getBounds(), marginX, marginY), lineWidth, color);
}

void FormattedText::fillBounds(video::Canvas &canvas, const math::Color &color, float marginX,
                               float marginY) const {
  canvas.fillRect(grown(getBounds(), marginX, marginY), color, video::BLEND_NORMAL);
}

} // namespace text
