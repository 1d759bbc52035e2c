#include "gui/BevelFrame.h"

#include "math/Color.h"
#include "math/Rectangle.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

#include <algorithm>

namespace GUI {

void drawBevelFrame(video::Canvas &canvas, const math::Rectangle &r, float width,
                    const math::Color &first, const math::Color &second, const math::Color &third,
                    bool bevel) {
  if (width <= 0 || r.width <= 0 || r.height <= 0)
    return;
  // A frame wider than half the rectangle fills it.
  float w =
      width * 2 > r.width || width * 2 > r.height ? 0.5f * std::min(r.width, r.height) : width;
  const math::Color &rimLight = bevel ? first : second;
  const math::Color &rimDark = bevel ? third : second;
  const int blend = video::BLEND_NORMAL;
  // Corners in the order top-left, bottom-left, top-right, bottom-right.
  canvas.fillRectCorners(r.x, r.y + r.height - w, r.width, w, rimLight, second, rimLight, second,
                         blend);
  canvas.fillRectCorners(r.x, r.y, r.width, w, second, rimDark, second, rimDark, blend);
  float side = r.height - 2 * w;
  if (side <= 0)
    return;
  canvas.fillRectCorners(r.x, r.y + w, w, side, rimLight, rimLight, second, second, blend);
  canvas.fillRectCorners(r.x + r.width - w, r.y + w, w, side, second, second, rimDark, rimDark,
                         blend);
}

} // namespace GUI
