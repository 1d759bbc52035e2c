// How a group score drop shows its total.

#include "engine/GroupScoreDrop.h"
#include "text/Font.h"
#include "text/FontFactory.h"
#include "video/Canvas.h"
#include "xstring/String.h"

float GroupScoreDrop::animationTime() { return 1.0f; }

void GroupScoreDrop::render(video::Canvas &canvas) {
  const FontFactory *fonts = FontFactory::current();
  const Font *font = fonts ? fonts->font(SYM(L"fontMediumStroke")) : nullptr;
  if (!font)
    return;
  canvas.pushMatrix();
  canvas.translate(position);
  canvas.scale(0.125f, 0.125f);
  font->drawString(canvas, String::toString(unsigned(m_points)), math::Vector2());
  canvas.popMatrix();
}
