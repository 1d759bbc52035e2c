#include "text/TextFormat.h"

#include "text/Font.h"
#include "text/FontFactory.h"
#include "text/TextAnimation.h"
#include "video/Canvas.h"

namespace text {

namespace {
Symbol defaultFontName() {
  static const Symbol name = Symbol::intern(L"font");
  return name;
}
} // namespace

TextFormat::TextFormat(Font *font) : m_font(font ? font : findFont(defaultFontName())) {}

TextFormat::TextFormat(const TextFormat &other) { *this = other; }

TextFormat &TextFormat::operator=(const TextFormat &other) {
  if (this == &other)
    return *this;
  alignment = other.alignment;
  scale = other.scale;
  color = other.color;
  backgroundPosition = other.backgroundPosition;
  backgroundColor = other.backgroundColor;
  dropShadowPosition = other.dropShadowPosition;
  dropShadowColor = other.dropShadowColor;
  dropShadow = other.dropShadow;
  renderText = other.renderText;
  visible = other.visible;
  underline = other.underline;
  underlineColor = other.underlineColor;
  strikeout = other.strikeout;
  snapToPixel = other.snapToPixel;
  blend = other.blend;
  textureStyle = other.textureStyle;
  fixedWidth = other.fixedWidth;
  fixedAdvance = other.fixedAdvance;
  m_font = other.m_font;
  m_background = other.m_background;
  setAnimation(other.m_animation ? new TextAnimation(*other.m_animation) : nullptr);
  return *this;
}

TextFormat::~TextFormat() { delete m_animation; }

void TextFormat::setFont(Symbol name) { m_font = findFont(name); }

void TextFormat::setAnimation(TextAnimation *animation) {
  if (animation == m_animation)
    return;
  delete m_animation;
  m_animation = animation;
}

float TextFormat::stringWidth(const String &text) const {
  return m_font ? m_font->stringWidth(text, fixedWidth, fixedAdvance) * scale.x : 0.0f;
}

float TextFormat::prefixWidth(const String &text, uint32_t count) const {
  if (!m_font || count == 0)
    return 0.0f;
  if (count > text.length())
    count = text.length();
  return m_font->charactersWidth(text.pointerAt(0), count, fixedWidth, fixedAdvance) * scale.x;
}

float TextFormat::height() const { return m_font ? m_font->height() * scale.y : 0.0f; }

float TextFormat::ascent() const { return m_font ? m_font->ascent() * scale.y : 0.0f; }

float TextFormat::charAdvance(unsigned c) const {
  return m_font ? m_font->glyphAdvance(c, fixedWidth, fixedAdvance) * scale.x : 0.0f;
}

math::Rectangle TextFormat::bounds(const String &text, const math::Vector2 &position) const {
  float w = stringWidth(text), h = height();
  math::Rectangle box;
  box.set(position.x - w * alignment.x, position.y - h * alignment.y, w, h);
  return box;
}

void TextFormat::update(float dt) {
  if (m_animation)
    m_animation->update(dt);
}

void TextFormat::drawString(video::Canvas &canvas, const String &text, const math::Vector2 &at,
                            const Font *glyphFont, float reveal) const {
  Font::DrawSettings settings;
  settings.glyphFont = glyphFont;
  settings.scale = scale;
  settings.snapToPixel = snapToPixel;
  settings.reveal = reveal;
  settings.animation = m_animation;
  settings.blend = blend;
  settings.fixedWidth = fixedWidth;
  settings.fixedAdvance = fixedAdvance;
  m_font->drawString(canvas, text, at, settings);
}

void TextFormat::draw(video::Canvas &canvas, const String &text, float reveal) const {
  if (!visible || text.isEmpty() || !m_font)
    return;
  math::Vector2 o(-alignment.x * stringWidth(text), -alignment.y * ascent());
  bool ownStyle = !canvas.hasTextureStyleOverride(0);
  if (ownStyle)
    canvas.pushTextureStyleOverride(textureStyle, 0);

  if (dropShadow) {
    canvas.pushColor();
    canvas.multiplyColor(dropShadowColor);
    drawString(canvas, text, o + dropShadowPosition, nullptr, reveal);
    canvas.popColor();
  }
  if (m_background) {
    canvas.pushColor();
    canvas.multiplyColor(backgroundColor);
    drawString(canvas, text, o + backgroundPosition, m_background, reveal);
    canvas.popColor();
  }
  if (renderText) {
    canvas.pushColor();
    canvas.multiplyColor(color);
    drawString(canvas, text, o, nullptr, reveal);
    drawDecorations(canvas, text, o);
    canvas.popColor();
  }

  if (ownStyle)
    canvas.popTextureStyleOverride(0);
}

} // namespace text
