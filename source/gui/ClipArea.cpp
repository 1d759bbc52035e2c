#include "gui/ClipArea.h"

#include "gui/DictionaryRead.h"

namespace GUI {

math::Rectangle ClipArea::clipRectangle() const {
  return math::Rectangle::intersection(screenClipRectangle(*this), Widget::clipRectangle());
}

void ClipArea::load(const quip::Dictionary &d) {
  Widget::load(d);
  readValue(d, SYM(L"area"), m_area);
}

void ClipArea::draw(video::Canvas &canvas) { m_viewport.push(canvas, screenClipRectangle(*this)); }

void ClipArea::drawAfterChildren(video::Canvas &canvas) { m_viewport.pop(canvas); }

} // namespace GUI
