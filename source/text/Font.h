#pragma once
// A bitmap font: one 2-D billboard per printable character (33 to 288), cut
// from its textures. It measures strings and draws them glyph by glyph,
// optionally with a per-character animation and a wave, and can lay out the
// glyphs of another font with its own advances (text backgrounds).

#include "file/NonCopyable.h"
#include "math/Vector2.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class Billboard2D;
class Database;
class TextAnimation;
namespace animation {
struct AnimationState;
}
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

class Font : private NonCopyable {
public:
  static const unsigned FirstCharacter = 33;
  static const unsigned GlyphCount = 256;

  Font() = default;
  // Deletes the glyphs.
  ~Font();

  // How one string is drawn; the plain defaults draw it as it is.
  struct DrawSettings {
    // Whose glyphs are drawn at this font's advances; null: this font's.
    const Font *glyphFont = nullptr;
    math::Vector2 scale{1.0f, 1.0f};
    bool snapToPixel = false;
    // The drawn part of the string's width, 0 to 1.
    float reveal = 1.0f;
    const TextAnimation *animation = nullptr;
    int blend = 1;
    bool fixedWidth = false;
    float fixedAdvance = 0.0f;
  };

  Symbol name() const { return m_name; }
  void setName(Symbol name) { m_name = name; }
  float spacing() const { return m_spacing; }
  void setSpacing(float spacing) { m_spacing = spacing; }
  float baseline() const { return m_baseline; }
  float height() const { return m_height; }
  float ascent() const { return m_ascent; }
  float strikeoutHeight() const { return m_strikeoutHeight; }
  void setMetrics(float baseline, float height, float ascent, float strikeoutHeight);

  // Null outside 33..288 and where there is no glyph.
  Billboard2D *glyph(unsigned c) const;
  // Takes ownership, deleting the glyph it replaces; false (the glyph
  // deleted) for a character outside 33..288.
  bool setGlyph(unsigned c, Billboard2D *glyph);
  uint32_t glyphCount() const;

  // The fixed advance when fixed; -1 without a glyph; else the glyph's
  // scaled width.
  float glyphAdvance(unsigned c, bool fixed = false, float fixedAdvance = 0.0f) const;
  // 0.6 of the advance of "o".
  float defaultAdvance(bool fixed = false, float fixedAdvance = 0.0f) const;
  // The advances (those <= 0 replaced by the default advance) and the
  // spacing between each two neighbours.
  float stringWidth(const String &text, bool fixed = false, float fixedAdvance = 0.0f) const;
  // The same for count characters of a text.
  float charactersWidth(const wchar_t *text, uint32_t count, bool fixed = false,
                        float fixedAdvance = 0.0f) const;
  // Loads every glyph's texture.
  void touch();

  void drawString(video::Canvas &canvas, const String &text, const math::Vector2 &position,
                  const DrawSettings &settings) const;
  void drawString(video::Canvas &canvas, const String &text, const math::Vector2 &position) const {
    drawString(canvas, text, position, DrawSettings());
  }
  // Nothing for a character without a glyph. With a state, its scale acts
  // about the glyph's middle.
  void drawGlyph(video::Canvas &canvas, unsigned c, const math::Vector2 &position,
                 const math::Vector2 &scale, bool snapToPixel,
                 const animation::AnimationState *state, int blend) const;

  // "name", "spacing", "baseline", "scale", the glyph file named by "file"
  // (relative to the database's folder), "ascent", "strikeoutHeight". A font
  // without "file", or whose glyph file does not give a list, is reported
  // and has no glyphs (false).
  bool read(Database *database, const quip::Dictionary &dictionary);
  // The binary record: name, metrics, then the glyphs grouped by texture.
  void write(file::ByteReceiver &out) const;
  // False, reported, when the record is cut short; what was read is kept.
  bool readBinary(Database *database, file::ByteProducer &in);

private:
  void clearGlyphs();
  void addGlyphHeight(const Billboard2D &glyph);

  Symbol m_name;
  Billboard2D *m_glyphs[GlyphCount] = {};
  float m_spacing = 0.0f;
  float m_baseline = 0.0f;
  float m_height = 0.0f;
  float m_ascent = 0.0f;
  float m_strikeoutHeight = 0.0f;
};
