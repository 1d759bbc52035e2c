#include "gui/StandInText.h"

#include "text/Font.h"
#include "text/FontFactory.h"
#include "video/Window.h"

namespace GUI {

void drawStandInLines(video::Canvas &canvas, const container::Vector<String> &lines) {
  const FontFactory *fonts = FontFactory::current();
  const Font *font = fonts ? fonts->font(Symbol::intern(L"font")) : nullptr;
  if (!font)
    return;
  const math::Vector2 size = video::Window::screenSize();
  constexpr float lineHeight = 28.0f;
  float y = 0.5f * size.y + 0.5f * lineHeight * float(lines.size());
  for (const String &line : lines) {
    const float x = 0.5f * (size.x - font->stringWidth(line));
    font->drawString(canvas, line, math::Vector2(x, y));
    y -= lineHeight;
  }
}

} // namespace GUI
