#include "gui/Widget.h"
#include "math/Rectangle.h"
#include "text/FontFactory.h"
#include "text/FormattedText.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

namespace GUI {

// The text sizes the box, so without its font nothing is drawn.
void Widget::drawTooltip(video::Canvas &canvas, const String &tipText) {
  FontFactory *fonts = FontFactory::current();
  Font *font = fonts ? fonts->font(SYM(L"fontSystem")) : nullptr;
  if (!font)
    return;
  // Kept between frames, so that a tooltip shown for a while allocates
  // nothing after its first frame.
  static text::FormattedText tip;
  tip.format().setFont(font);
  tip.setText(tipText);
  tip.format().alignment = math::Vector2(0.0f, 0.5f);
  // 30 units below the origin, then kept 10 units inside the screen.
  tip.position = toScreen(math::Vector2(0.0f, -30.0f));
  tip.position = fromScreen(tip.clampToScreen(10.0f, 10.0f));
  math::Rectangle box = tip.getBounds();
  box.x -= 2;
  box.y -= 2;
  box.width += 4;
  box.height += 4;
  math::Rectangle shadow = box;
  shadow.translate(math::Vector2(4.0f, -4.0f));
  canvas.fillRect(shadow, math::Color(0.0f, 0.0f, 0.0f, 0.3f), video::BLEND_NORMAL);
  canvas.fillRect(box, math::Color::white, video::BLEND_NORMAL);
  canvas.strokeRect(box, 1.0f, math::Color::black);
  tip.render(canvas);
}

} // namespace GUI
