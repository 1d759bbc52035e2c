#include "text/Font.h"

#include "billboard/Billboard2D.h"
#include "math/Scalar.h"
#include "text/TextAnimation.h"
#include "texture/Texture.h"
#include "video/AnimationState.h"
#include "video/Canvas.h"

#include <algorithm>
#include <cmath>

Font::~Font() { clearGlyphs(); }

void Font::clearGlyphs() {
  for (Billboard2D *&glyph : m_glyphs) {
    delete glyph;
    glyph = nullptr;
  }
}

void Font::setMetrics(float baseline, float height, float ascent, float strikeoutHeight) {
  m_baseline = baseline;
  m_height = height;
  m_ascent = ascent;
  m_strikeoutHeight = strikeoutHeight;
}

Billboard2D *Font::glyph(unsigned c) const {
  unsigned index = c - FirstCharacter;
  return index < GlyphCount ? m_glyphs[index] : nullptr;
}

bool Font::setGlyph(unsigned c, Billboard2D *glyph) {
  unsigned index = c - FirstCharacter;
  if (index >= GlyphCount) {
    delete glyph;
    return false;
  }
  if (m_glyphs[index] != glyph)
    delete m_glyphs[index];
  m_glyphs[index] = glyph;
  return true;
}

uint32_t Font::glyphCount() const {
  uint32_t count = 0;
  for (const Billboard2D *glyph : m_glyphs)
    count += glyph ? 1 : 0;
  return count;
}

void Font::addGlyphHeight(const Billboard2D &glyph) {
  float side = Billboard::textureSide(glyph.texture());
  m_height = std::max(m_height, std::fabs(glyph.texCoords[0].y - glyph.texCoords[1].y) * side);
}

float Font::glyphAdvance(unsigned c, bool fixed, float fixedAdvance) const {
  if (fixed)
    return fixedAdvance;
  const Billboard2D *g = glyph(c);
  return g ? g->size.x * g->initialScale.x : -1.0f;
}

float Font::defaultAdvance(bool fixed, float fixedAdvance) const {
  return 0.6f * glyphAdvance(L'o', fixed, fixedAdvance);
}

float Font::stringWidth(const String &text, bool fixed, float fixedAdvance) const {
  return text.isEmpty() ? 0.0f
                        : charactersWidth(text.pointerAt(0), text.length(), fixed, fixedAdvance);
}

float Font::charactersWidth(const wchar_t *text, uint32_t n, bool fixed, float fixedAdvance) const {
  if (n == 0)
    return 0.0f;
  float width = m_spacing * float(n - 1);
  for (uint32_t i = 0; i < n; ++i) {
    float a = glyphAdvance(unsigned(text[i]), fixed, fixedAdvance);
    width += a > 0.0f ? a : defaultAdvance(fixed, fixedAdvance);
  }
  return width;
}

void Font::touch() {
  for (Billboard2D *glyph : m_glyphs)
    if (glyph && glyph->texture())
      glyph->texture()->load();
}

void Font::drawString(video::Canvas &canvas, const String &text, const math::Vector2 &position,
                      const DrawSettings &s) const {
  const Font &glyphs = s.glyphFont ? *s.glyphFont : *this;
  float x = position.x, y = position.y;
  if (s.snapToPixel) {
    x = float(math::round(x));
    y = float(math::round(y));
    canvas.pushMatrix();
    canvas.snapTranslation();
  }
  float total = stringWidth(text, s.fixedWidth, s.fixedAdvance);
  float shown = total * s.reveal * s.scale.x;
  float drawn = 0.0f;
  bool perCharacter = s.animation && s.animation->animation();
  uint32_t n = text.length();
  for (uint32_t i = 0; i < n; ++i) {
    unsigned c = unsigned(text[i]);
    float dy = 0.0f;
    if (s.animation)
      dy = s.animation->waveOffset(
          canvas.matrix(video::Canvas::MODEL).transformPoint(math::Vector2(x, 0.0f)).x);
    if (drawn < shown) {
      if (perCharacter) {
        animation::AnimationState state;
        s.animation->characterState(state, int(i));
        glyphs.drawGlyph(canvas, c, math::Vector2(x, y + dy), s.scale, s.snapToPixel, &state,
                         s.blend);
      } else {
        glyphs.drawGlyph(canvas, c, math::Vector2(x, y + dy), s.scale, s.snapToPixel, nullptr,
                         s.blend);
      }
    }
    if (i + 1 == n)
      break;
    float a = glyphAdvance(c, s.fixedWidth, s.fixedAdvance);
    if (a <= 0.0f)
      a = defaultAdvance(s.fixedWidth, s.fixedAdvance);
    float step = s.scale.x * (m_spacing + a);
    x += step;
    drawn += step;
  }
  if (s.snapToPixel)
    canvas.popMatrix();
}

void Font::drawGlyph(video::Canvas &canvas, unsigned c, const math::Vector2 &position,
                     const math::Vector2 &scale, bool snapToPixel,
                     const animation::AnimationState *state, int blend) const {
  Billboard2D *g = glyph(c);
  if (!g)
    return;
  math::Vector2 saved = g->initialScale;
  g->initialScale = math::Vector2(saved.x * scale.x, saved.y * scale.y);
  canvas.pushMatrix();
  if (snapToPixel)
    canvas.translate(float(math::round(position.x)), float(math::round(position.y)));
  else
    canvas.translate(position);
  g->setBlend(blend);
  if (!state) {
    g->render(canvas);
  } else {
    // The state's scale acts about the glyph's middle.
    canvas.translate(glyphAdvance(c) * 0.5f * (1.0f - state->scale.x),
                     m_ascent * 0.5f * (1.0f - state->scale.y));
    state->apply(canvas);
    g->render(canvas);
    state->unapply(canvas);
  }
  canvas.popMatrix();
  g->initialScale = saved;
}
