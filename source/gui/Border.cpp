#include "gui/Border.h"

#include "gui/BevelFrame.h"
#include "gui/DictionaryRead.h"
#include "math/Bounds2D.h"

namespace GUI {

math::Rectangle Border::localRectangle() const {
  math::Rectangle outer, inner;
  frameRectangles(math::Rectangle(m_size, m_centered), m_width, m_outside, outer, inner);
  return outer;
}

math::Rectangle Border::adjustNaturalRectangle(math::Rectangle r) const {
  r.set(r.x - m_width, r.y - m_width, r.width + 2 * m_width, r.height + 2 * m_width);
  return r;
}

void Border::setColors(const math::Color &light, const math::Color &medium,
                       const math::Color &dark) {
  m_colorLight = light;
  m_colorMedium = medium;
  m_colorDark = dark;
}

bool Border::frameHit(math::Vector2 screen, const math::Rectangle &r, bool outside) const {
  if (!clipRectangle().contains(screen))
    return false;
  math::Vector2 q = fromScreen(screen);
  if (hitArea())
    return hitArea()->contains(q);
  math::Rectangle outer, inner;
  frameRectangles(r, m_width, outside, outer, inner);
  return outer.contains(q) && !inner.contains(q);
}

bool Border::containsPoint(math::Vector2 screen) const {
  return frameHit(screen, math::Rectangle(m_size, m_centered), m_outside);
}

bool Border::layoutContains(math::Vector2 screen) const {
  return frameHit(screen, layoutRect(), false);
}

bool Border::onPointerDown(const framework::InputEvent &event) {
  return m_draggable && m_drag.press(*this, event);
}

bool Border::onPointerUp(const framework::InputEvent &) { return m_drag.release(*this); }

bool Border::onPointerMove(const framework::InputEvent &event) { return m_drag.move(*this, event); }

void Border::load(const quip::Dictionary &d) {
  Widget::load(d);
  readValue(d, SYM(L"size"), m_size);
  readValue(d, SYM(L"colorLight"), m_colorLight);
  readValue(d, SYM(L"colorMedium"), m_colorMedium);
  readValue(d, SYM(L"colorDark"), m_colorDark);
  readValue(d, SYM(L"width"), m_width);
  readTruth(d, SYM(L"centered"), m_centered);
  readTruth(d, SYM(L"outside"), m_outside);
  readTruth(d, SYM(L"bevel"), m_bevel);
  readTruth(d, SYM(L"draggable"), m_draggable);
  if (const quip::Token *shadow = typedValue(d, SYM(L"dropShadow"), quip::TYPE_DICTIONARY))
    m_dropShadow.load(shadow->dictionary());
}

// The layout already made room for the frame within the layout rectangle.
void Border::draw(video::Canvas &canvas) {
  m_dropShadow.draw(canvas, layoutRect());
  drawBevelFrame(canvas, layoutRect(), m_width, m_colorLight, m_colorMedium, m_colorDark, m_bevel);
}

} // namespace GUI
