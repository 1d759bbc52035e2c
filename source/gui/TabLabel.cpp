#include "gui/TabLabel.h"

#include "gui/DictionaryRead.h"
#include "text/FontFactory.h"
#include "text/TextFormat.h"
#include "video/Canvas.h"

namespace GUI {

void TabLabel::render(video::Canvas &canvas, bool, bool) {
  if (!visible || text.length() == 0)
    return;
  FontFactory *fonts = FontFactory::current();
  Font *font = fonts ? fonts->font(SYM(L"fontSystem")) : nullptr;
  if (!font)
    return;
  text::TextFormat format(font);
  canvas.pushMatrix();
  canvas.translate(position);
  format.draw(canvas, text);
  canvas.popMatrix();
}

void TabLabel::load(const quip::Dictionary &d) {
  readString(d, SYM(L"text"), text);
  readTruth(d, SYM(L"visible"), visible);
}

} // namespace GUI
