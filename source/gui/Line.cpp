#include "gui/Line.h"

#include "gui/DictionaryRead.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

#include <algorithm>

namespace GUI {

math::Rectangle Line::localRectangle() const {
  float left = std::min(m_start.x, m_end.x), bottom = std::min(m_start.y, m_end.y);
  float w = std::abs(m_end.x - m_start.x), h = std::abs(m_end.y - m_start.y);
  math::Rectangle r;
  r.set(left - m_width, bottom - m_width, w + 2 * m_width, h + 2 * m_width);
  return r;
}

void Line::load(const quip::Dictionary &d) {
  Widget::load(d);
  readValue(d, SYM(L"start"), m_start);
  readValue(d, SYM(L"end"), m_end);
  readValue(d, SYM(L"color"), m_color);
  readValue(d, SYM(L"width"), m_width);
}

void Line::draw(video::Canvas &canvas) {
  canvas.drawLine(m_start, m_end, m_color, m_width, false, video::BLEND_NORMAL);
}

} // namespace GUI
