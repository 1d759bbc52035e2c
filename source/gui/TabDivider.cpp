#include "gui/TabDivider.h"

#include "video/Canvas.h"
#include "video/RenderKeywords.h"

namespace GUI {

void TabDivider::draw(video::Canvas &canvas) {
  canvas.fillRect(layoutRect(), math::Color(0.94f, 0.93f, 0.87f, 1.0f), video::BLEND_NORMAL);
}

} // namespace GUI
