#pragma once
// The style of a run of text: font, anchor, scale, colour, optional
// background glyphs, drop shadow, underline, strikeout, pixel snapping,
// blending, a fixed advance and an optional text animation. Without a font
// (an unlisted name) text measures 0 and draws nothing.

#include "math/Color.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "video/RenderKeywords.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Database;
class Font;
class TextAnimation;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace quip {
class Dictionary;
}
namespace video {
class Canvas;
}

namespace text {

class TextFormat {
public:
  // A null font means the current database's font named "font".
  explicit TextFormat(Font *font = nullptr);
  // The copy has its own copy of the animation.
  TextFormat(const TextFormat &other);
  TextFormat &operator=(const TextFormat &other);
  ~TextFormat();

  Font *font() const { return m_font; }
  void setFont(Font *font) { m_font = font; }
  // Through the current database's fonts: null (reported once) when unlisted.
  void setFont(Symbol name);
  Font *background() const { return m_background; }
  void setBackground(Font *font) { m_background = font; }
  TextAnimation *animation() const { return m_animation; }
  // Takes ownership; the previous animation is deleted.
  void setAnimation(TextAnimation *animation);
  void setBlend(int mode) { blend = mode; }

  // The font's width with the fixed-width settings, times scale.x.
  float stringWidth(const String &text) const;
  // The width of the text's first count characters (at most its length).
  float prefixWidth(const String &text, uint32_t count) const;
  float height() const;
  float ascent() const;
  float charAdvance(unsigned c) const;
  // The text's box at a position, anchored by the alignment.
  math::Rectangle bounds(const String &text, const math::Vector2 &position) const;

  void update(float dt);
  // The canvas already translated to the text's position; reveal is the
  // drawn part, 0 to 1.
  void draw(video::Canvas &canvas, const String &text, float reveal = 1.0f) const;

  // The style keys, each only when present.
  void read(Database *database, const quip::Dictionary &dictionary);
  // The font's name and a 32-bit mask of what differs from the defaults,
  // then those values. The animation is not stored.
  void write(file::ByteReceiver &out) const;
  // False when the record is cut short.
  bool read(Database *database, file::ByteProducer &in);

  math::Vector2 alignment{0.5f, 0.5f};
  math::Vector2 scale{1.0f, 1.0f};
  math::Color color;
  math::Vector2 backgroundPosition;
  math::Color backgroundColor;
  math::Vector2 dropShadowPosition;
  math::Color dropShadowColor;
  bool dropShadow = false;
  bool renderText = true;
  bool visible = true;
  float underline = 0.0f;
  math::Color underlineColor;
  float strikeout = 0.0f;
  bool snapToPixel = true;
  int blend = video::BLEND_NORMAL;
  uint32_t textureStyle = video::textureStyle::NORMAL;
  bool fixedWidth = false;
  float fixedAdvance = 0.0f;

private:
  void drawString(video::Canvas &canvas, const String &text, const math::Vector2 &at,
                  const Font *glyphFont, float reveal) const;
  // The underline and the strikeout of the text drawn at o.
  void drawDecorations(video::Canvas &canvas, const String &text, const math::Vector2 &o) const;

  Font *m_font = nullptr;
  TextAnimation *m_animation = nullptr;
  Font *m_background = nullptr;
};

} // namespace text
