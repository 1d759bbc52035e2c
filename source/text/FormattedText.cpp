#include "text/FormattedText.h"

#include "file/ByteProducer.h"
#include "file/TextBinary.h"
#include "quip/Token.h"
#include "text/FontFactory.h"
#include "video/Canvas.h"
#include "video/Window.h"

#include <algorithm>

namespace text {

FormattedText::FormattedText(Database *database, Symbol fontName)
    : m_format(findFont(fontName, database)) {}

void FormattedText::render(video::Canvas &canvas) {
  canvas.pushMatrix();
  canvas.translate(position);
  m_format.draw(canvas, m_text, 1.0f);
  canvas.popMatrix();
}

float FormattedText::scaleToWidth(float maxWidth, bool uniform) {
  float w = width();
  if (w <= maxWidth)
    return w;
  float f = maxWidth / w;
  math::Vector2 &scale = m_format.scale;
  scale.x *= f;
  if (uniform)
    scale.y = scale.x;
  return scale.x;
}

void FormattedText::scaleToHeight(float maxHeight, bool uniform) {
  float h = height();
  float s = maxHeight < h ? maxHeight / h : 1.0f;
  if (uniform)
    m_format.scale = math::Vector2(s, s);
  else
    m_format.scale.y = s;
}

math::Vector2 FormattedText::clampToScreen(float marginX, float marginY) const {
  math::Vector2 window = video::Window::screenSize();
  float w = width(), h = height();
  const math::Vector2 &a = m_format.alignment;
  float x =
      std::max(std::min(position.x, window.x - marginX - w * (1.0f - a.x)), marginX + w * a.x);
  float y =
      std::min(std::max(position.y, marginY + h * a.y), window.y - marginY - (1.0f - a.y) * h);
  return math::Vector2(x, y);
}

void FormattedText::read(Database *database, const quip::Dictionary &d) {
  static const Symbol textKey = Symbol::intern(L"text");
  static const Symbol positionKey = Symbol::intern(L"position");
  m_format.read(database, d);
  if (const quip::Token *t = d.lookupTyped(textKey, quip::TYPE_STRING))
    t->get(m_text);
  if (const quip::Token *t = d.lookup(positionKey)) {
    math::Vector2 p;
    if (t->get(p))
      setPosition(p);
  }
}

void FormattedText::write(file::ByteReceiver &out) const {
  file::write(m_text, out);
  m_format.write(out);
}

bool FormattedText::read(Database *database, file::ByteProducer &in) {
  file::read(m_text, in);
  return m_format.read(database, in) && !in.overrun();
}

} // namespace text
