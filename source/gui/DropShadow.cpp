#include "gui/DropShadow.h"

#include "gui/DictionaryRead.h"
#include "math/Rectangle.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

namespace GUI {

void DropShadow::load(const quip::Dictionary &d) {
  readTruth(d, SYM(L"enabled"), enabled);
  readValue(d, SYM(L"position"), offset);
  readValue(d, SYM(L"color"), color);
}

void DropShadow::draw(video::Canvas &canvas, const math::Rectangle &rectangle) const {
  if (!enabled)
    return;
  canvas.pushMatrix();
  canvas.translate(offset);
  canvas.fillRect(rectangle, color, video::BLEND_NORMAL);
  canvas.popMatrix();
}

} // namespace GUI
