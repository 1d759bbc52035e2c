#pragma once
// One line of text in one style at a position: a drawable for labels,
// buttons, scores, the frame-rate meter and drops.

#include "math/Rectangle.h"
#include "math/Spatial2D.h"
#include "text/TextFormat.h"
#include "video/Renderable.h"
#include "xstring/String.h"

namespace text {

class FormattedText : public video::Renderable, public math::Spatial2D {
public:
  // With the font named "font".
  FormattedText() = default;
  explicit FormattedText(Font *font) : m_format(font) {}
  FormattedText(Database *database, Symbol fontName);
  explicit FormattedText(const TextFormat &format) : m_format(format) {}

  void update(float dt) override { m_format.update(dt); }
  // At the position, fully revealed.
  void render(video::Canvas &canvas) override;

  void setText(const String &text) { m_text = text; }
  const String &text() const { return m_text; }
  TextFormat &format() { return m_format; }
  const TextFormat &format() const { return m_format; }

  float width() const { return m_text.isEmpty() ? 0.0f : m_format.stringWidth(m_text); }
  float height() const { return m_format.height(); }
  math::Rectangle getBounds() const { return m_format.bounds(m_text, position); }

  // Shrinks the scale so that the text is at most maxWidth wide; the new
  // x scale, or the width when it already fits.
  float scaleToWidth(float maxWidth, bool uniform);
  void scaleToHeight(float maxHeight, bool uniform);
  // The position moved so that the box stays inside the window with the
  // margins.
  math::Vector2 clampToScreen(float marginX, float marginY) const;
  void strokeBounds(video::Canvas &canvas, const math::Color &color, float lineWidth, float marginX,
                    float marginY) const;
  void fillBounds(video::Canvas &canvas, const math::Color &color, float marginX,
                  float marginY) const;

  // The format's keys, then "text" and "position".
  void read(Database *database, const quip::Dictionary &dictionary);
  // The text, then the format record.
  void write(file::ByteReceiver &out) const;
  bool read(Database *database, file::ByteProducer &in);

private:
  String m_text;
  TextFormat m_format;
};

} // namespace text
