#include "gui/Box.h"

#include "gui/BevelFrame.h"
#include "gui/DictionaryRead.h"
#include "input/InputEvent.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

namespace GUI {

math::Rectangle Box::localRectangle() const {
  math::Rectangle r(m_size, m_centered);
  if (m_border) {
    r.x -= m_borderWidth;
    r.y -= m_borderWidth;
    r.width += 2 * m_borderWidth;
    r.height += 2 * m_borderWidth;
  }
  return r;
}

void Box::setGradient(const math::Color &c1, const math::Color &c2, const math::Color &c3,
                      const math::Color &c4) {
  m_gradient[0] = c1;
  m_gradient[1] = c2;
  m_gradient[2] = c3;
  m_gradient[3] = c4;
  m_useGradient = true;
}

void Box::setBorderColors(const math::Color &light, const math::Color &medium,
                          const math::Color &dark) {
  m_borderColorLight = light;
  m_borderColorMedium = medium;
  m_borderColorDark = dark;
}

bool Box::onPointerDown(const framework::InputEvent &event) {
  if (!m_consumeEvents || !layoutContains(framework::pointerPosition(event)))
    return false;
  m_pressed = true;
  return true;
}

bool Box::onPointerUp(const framework::InputEvent &event) {
  if (m_pressed) {
    m_pressed = false;
    return true;
  }
  return m_consumeEvents && layoutContains(framework::pointerPosition(event));
}

// Moves are swallowed while a press that began on the box lasts.
bool Box::onPointerMove(const framework::InputEvent &) { return m_pressed; }

void Box::draw(video::Canvas &canvas) {
  const math::Rectangle &r = layoutRect();
  m_dropShadow.draw(canvas, r);
  if (m_useGradient)
    canvas.fillRect(r, m_gradient[0], m_gradient[1], m_gradient[2], m_gradient[3], m_blend);
  else
    canvas.fillRect(r, m_color, m_blend);
  if (!m_border)
    return;
  // The layout made room for the frame inside the rectangle.
  if (m_borderUp)
    drawBevelFrame(canvas, r, m_borderWidth, m_borderColorLight, m_borderColorMedium,
                   m_borderColorDark, m_borderBevel);
  else
    drawBevelFrame(canvas, r, m_borderWidth, m_borderColorDark, m_borderColorMedium,
                   m_borderColorLight, m_borderBevel);
}

namespace {

// Four colours or nothing: a shorter list, or one holding something that is
// not a colour, leaves the gradient as it was.
bool readGradient(const quip::Dictionary &d, math::Color out[4]) {
  const quip::Token *value = typedValue(d, SYM(L"gradient"), quip::TYPE_ARRAY);
  if (!value || value->array().count() < 4)
    return false;
  math::Color read[4];
  for (uint32_t i = 0; i < 4; ++i)
    if (!read[i].fromToken(value->array()[i]))
      return false;
  for (uint32_t i = 0; i < 4; ++i)
    out[i] = read[i];
  return true;
}

} // namespace

void Box::load(const quip::Dictionary &d) {
  Widget::load(d);
  readValue(d, SYM(L"size"), m_size);
  readTruth(d, SYM(L"centered"), m_centered);
  readTruth(d, SYM(L"consumeEvents"), m_consumeEvents);
  if (const quip::Token *blend = typedValue(d, SYM(L"blend"), quip::TYPE_SYMBOL))
    m_blend = video::blendFromSymbol(blend->symbol());
  if (const quip::Token *color = d.lookup(SYM(L"color")))
    if (m_color.fromToken(*color))
      m_useGradient = false;
  math::Color gradient[4];
  if (readGradient(d, gradient))
    setGradient(gradient[0], gradient[1], gradient[2], gradient[3]);
  if (const quip::Token *shadow = typedValue(d, SYM(L"dropShadow"), quip::TYPE_DICTIONARY))
    m_dropShadow.load(shadow->dictionary());
  readTruth(d, SYM(L"border"), m_border);
  readValue(d, SYM(L"borderColorLight"), m_borderColorLight);
  readValue(d, SYM(L"borderColorMedium"), m_borderColorMedium);
  readValue(d, SYM(L"borderColorDark"), m_borderColorDark);
  readValue(d, SYM(L"borderWidth"), m_borderWidth);
  readTruth(d, SYM(L"borderBevel"), m_borderBevel);
  readTruth(d, SYM(L"borderUp"), m_borderUp);
}

} // namespace GUI
