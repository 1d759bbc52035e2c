// A text format's style keys and its binary record.

#include "text/TextFormat.h"

#include "file/BinaryPrimitives.h"
#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "file/Database.h"
#include "file/TextBinary.h"
#include "math/ColorScript.h"
#include "quip/Token.h"
#include "text/Font.h"
#include "text/FontFactory.h"
#include "text/TextAnimation.h"

namespace text {

namespace {

struct Keys {
  Symbol font = Symbol::intern(L"font");
  Symbol background = Symbol::intern(L"background");
  Symbol alignment = Symbol::intern(L"alignment");
  Symbol scale = Symbol::intern(L"scale");
  Symbol color = Symbol::intern(L"color");
  Symbol layout = Symbol::intern(L"layout");
  Symbol backgroundPosition = Symbol::intern(L"backgroundPosition");
  Symbol backgroundColor = Symbol::intern(L"backgroundColor");
  Symbol dropShadow = Symbol::intern(L"dropShadow");
  Symbol dropShadowPosition = Symbol::intern(L"dropShadowPosition");
  Symbol dropShadowColor = Symbol::intern(L"dropShadowColor");
  Symbol renderText = Symbol::intern(L"renderText");
  Symbol underline = Symbol::intern(L"underline");
  Symbol underlineColor = Symbol::intern(L"underlineColor");
  Symbol strikeout = Symbol::intern(L"strikeout");
  Symbol snapToPixel = Symbol::intern(L"snapToPixel");
  Symbol blend = Symbol::intern(L"blend");
  Symbol textureStyle = Symbol::intern(L"textureStyle");
  Symbol fixedWidth = Symbol::intern(L"fixedWidth");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

// The bits of the binary record's mask.
constexpr uint32_t ALIGNMENT = 0x1;
constexpr uint32_t SCALE = 0x2;
constexpr uint32_t COLOR = 0x4;
constexpr uint32_t BACKGROUND = 0x8;
constexpr uint32_t BACKGROUND_POSITION = 0x10;
constexpr uint32_t BACKGROUND_COLOR = 0x20;
constexpr uint32_t SHADOW_POSITION = 0x40;
constexpr uint32_t SHADOW_COLOR = 0x80;
constexpr uint32_t SHADOW = 0x100;
constexpr uint32_t RENDER_TEXT = 0x200;
constexpr uint32_t VISIBLE = 0x400;
constexpr uint32_t UNDERLINE = 0x800;
constexpr uint32_t UNDERLINE_COLOR = 0x1000;
constexpr uint32_t STRIKEOUT = 0x2000;
constexpr uint32_t SNAP = 0x4000;
constexpr uint32_t BLEND = 0x8000;
constexpr uint32_t TEXTURE_STYLE = 0x10000;
constexpr uint32_t FIXED_WIDTH = 0x20000;

template <typename T> void readKey(const quip::Dictionary &d, Symbol key, T &out) {
  if (const quip::Token *t = d.lookup(key))
    t->get(out);
}

void readTruth(const quip::Dictionary &d, Symbol key, bool &out) {
  if (const quip::Token *t = d.lookupTyped(key, quip::TYPE_SYMBOL))
    out = t->toBool();
}

Font *fontNamed(Database *database, const quip::Token *token) {
  Symbol name;
  return token->get(name) ? findFont(name, database) : nullptr;
}

bool differs(const math::Vector2 &v, float x, float y) { return v.x != x || v.y != y; }

void writeVector(const math::Vector2 &v, file::ByteReceiver &out) {
  file::write(v.x, out);
  file::write(v.y, out);
}

void writeColor(const math::Color &c, file::ByteReceiver &out) {
  file::write(c.r, out);
  file::write(c.g, out);
  file::write(c.b, out);
  file::write(c.a, out);
}

void readVector(math::Vector2 &v, file::ByteProducer &in) {
  file::read(v.x, in);
  file::read(v.y, in);
}

void readColor(math::Color &c, file::ByteProducer &in) {
  file::read(c.r, in);
  file::read(c.g, in);
  file::read(c.b, in);
  file::read(c.a, in);
}

} // namespace

void TextFormat::read(Database *database, const quip::Dictionary &d) {
  const Keys &k = keys();
  if (const quip::Token *t = d.lookupTyped(k.font, quip::TYPE_SYMBOL))
    m_font = fontNamed(database, t);
  if (const quip::Token *t = d.lookupTyped(k.background, quip::TYPE_SYMBOL))
    m_background = fontNamed(database, t);
  readKey(d, k.alignment, alignment);
  readKey(d, k.scale, scale);
  readKey(d, k.color, color);
  if (const quip::Token *t = d.lookupTyped(k.layout, quip::TYPE_DICTIONARY)) {
    if (t->isDictionary()) {
      auto *animation = new TextAnimation;
      animation->read(t->dictionary());
      setAnimation(animation);
    }
  }
  readKey(d, k.backgroundPosition, backgroundPosition);
  readKey(d, k.backgroundColor, backgroundColor);
  readTruth(d, k.dropShadow, dropShadow);
  readKey(d, k.dropShadowPosition, dropShadowPosition);
  readKey(d, k.dropShadowColor, dropShadowColor);
  readTruth(d, k.renderText, renderText);
  readKey(d, k.underline, underline);
  readKey(d, k.underlineColor, underlineColor);
  readKey(d, k.strikeout, strikeout);
  readTruth(d, k.snapToPixel, snapToPixel);
  if (const quip::Token *t = d.lookupTyped(k.blend, quip::TYPE_SYMBOL)) {
    Symbol keyword;
    if (t->get(keyword)) {
      int mode = video::blendFromSymbol(keyword);
      if (mode < video::BLEND_COUNT)
        blend = mode;
    }
  }
  if (const quip::Token *t = d.lookupTyped(k.textureStyle, quip::TYPE_SYMBOL)) {
    Symbol keyword;
    if (t->get(keyword))
      textureStyle = video::textureStyleFromSymbol(keyword);
  }
  if (const quip::Token *t = d.lookupTyped(k.fixedWidth, quip::TYPE_NUMBER)) {
    if (t->get(fixedAdvance))
      fixedWidth = true;
  }
}

void TextFormat::write(file::ByteReceiver &out) const {
  const math::Color &white = math::Color::white;
  uint32_t mask = 0;
  mask |= differs(alignment, 0.5f, 0.5f) ? ALIGNMENT : 0;
  mask |= differs(scale, 1.0f, 1.0f) ? SCALE : 0;
  mask |= color == white ? 0 : COLOR;
  mask |= m_background ? BACKGROUND : 0;
  mask |= differs(backgroundPosition, 0.0f, 0.0f) ? BACKGROUND_POSITION : 0;
  mask |= backgroundColor == white ? 0 : BACKGROUND_COLOR;
  mask |= differs(dropShadowPosition, 0.0f, 0.0f) ? SHADOW_POSITION : 0;
  mask |= dropShadowColor == white ? 0 : SHADOW_COLOR;
  mask |= dropShadow ? SHADOW : 0;
  mask |= renderText ? RENDER_TEXT : 0;
  mask |= visible ? VISIBLE : 0;
  mask |= underline != 0.0f ? UNDERLINE : 0;
  mask |= underlineColor == white ? 0 : UNDERLINE_COLOR;
  mask |= strikeout != 0.0f ? STRIKEOUT : 0;
  mask |= snapToPixel ? SNAP : 0;
  mask |= blend != video::BLEND_NORMAL ? BLEND : 0;
  mask |= textureStyle != video::textureStyle::NORMAL ? TEXTURE_STYLE : 0;
  mask |= fixedWidth ? FIXED_WIDTH : 0;

  file::write(m_font ? m_font->name() : Symbol::emptySymbol(), out);
  file::write(mask, out);
  if (mask & ALIGNMENT)
    writeVector(alignment, out);
  if (mask & SCALE)
    writeVector(scale, out);
  if (mask & COLOR)
    writeColor(color, out);
  if (mask & BACKGROUND)
    file::write(m_background->name(), out);
  if (mask & BACKGROUND_POSITION)
    writeVector(backgroundPosition, out);
  if (mask & BACKGROUND_COLOR)
    writeColor(backgroundColor, out);
  if (mask & SHADOW_POSITION)
    writeVector(dropShadowPosition, out);
  if (mask & SHADOW_COLOR)
    writeColor(dropShadowColor, out);
  if (mask & UNDERLINE)
    file::write(underline, out);
  if (mask & UNDERLINE_COLOR)
    writeColor(underlineColor, out);
  if (mask & STRIKEOUT)
    file::write(strikeout, out);
  if (mask & BLEND)
    file::write(uint8_t(blend), out);
  if (mask & TEXTURE_STYLE)
    file::write(textureStyle, out);
  if (mask & FIXED_WIDTH)
    file::write(fixedAdvance, out);
}

bool TextFormat::read(Database *database, file::ByteProducer &in) {
  Symbol fontName;
  uint32_t mask = 0;
  file::read(fontName, in);
  file::read(mask, in);
  // Every field whose bit is clear takes its default.
  *this = TextFormat();
  if (!fontName.isEmpty())
    m_font = findFont(fontName, database);
  if (mask & ALIGNMENT)
    readVector(alignment, in);
  if (mask & SCALE)
    readVector(scale, in);
  if (mask & COLOR)
    readColor(color, in);
  if (mask & BACKGROUND) {
    Symbol name;
    file::read(name, in);
    m_background = findFont(name, database);
  }
  if (mask & BACKGROUND_POSITION)
    readVector(backgroundPosition, in);
  if (mask & BACKGROUND_COLOR)
    readColor(backgroundColor, in);
  if (mask & SHADOW_POSITION)
    readVector(dropShadowPosition, in);
  if (mask & SHADOW_COLOR)
    readColor(dropShadowColor, in);
  if (mask & UNDERLINE)
    file::read(underline, in);
  if (mask & UNDERLINE_COLOR)
    readColor(underlineColor, in);
  if (mask & STRIKEOUT)
    file::read(strikeout, in);
  if (mask & BLEND) {
    uint8_t mode = 0;
    file::read(mode, in);
    blend = mode < video::BLEND_COUNT ? int(mode) : int(video::BLEND_NORMAL);
  }
  if (mask & TEXTURE_STYLE)
    file::read(textureStyle, in);
  if (mask & FIXED_WIDTH)
    file::read(fixedAdvance, in);
  dropShadow = (mask & SHADOW) != 0;
  renderText = (mask & RENDER_TEXT) != 0;
  visible = (mask & VISIBLE) != 0;
  snapToPixel = (mask & SNAP) != 0;
  fixedWidth = (mask & FIXED_WIDTH) != 0;
  return !in.overrun();
}

} // namespace text
