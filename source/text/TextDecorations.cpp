// What formatted text draws besides its glyphs: underline, strikeout and the
// box around a text. Drawn once the canvas has lines and rectangles.

#include "text/FormattedText.h"
#include "text/TextFormat.h"

namespace text {

void TextFormat::drawDecorations(video::Canvas &, const String &, const math::Vector2 &) const {}

void FormattedText::strokeBounds(video::Canvas &, const math::Color &, float, float, float) const {}

void FormattedText::fillBounds(video::Canvas &, const math::Color &, float, float) const {}

} // namespace text
