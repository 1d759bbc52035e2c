#include "gui/SliderArrow.h"

#include "gui/BevelFrame.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

namespace GUI {

void SliderArrow::draw(video::Canvas &canvas) {
  const math::Color white(1.0f, 1.0f, 1.0f, 1.0f), light(0.8f, 0.8f, 0.8f, 1.0f),
      dark(0.2f, 0.2f, 0.2f, 1.0f);
  const math::Rectangle &r = layoutRect();
  drawBevelFrame(canvas, r, 1.0f, white, light, dark, true);
  if (state() == OVER)
    canvas.fillRect(r, white, video::BLEND_NORMAL);
  else
    canvas.fillRect(r, white, white, light, light, video::BLEND_NORMAL);
  if (state() == DOWN)
    drawBevelFrame(canvas, r, 2.0f, dark, light, white, true);
  else
    drawBevelFrame(canvas, r, 2.0f, white, light, dark, true);

  canvas.pushMatrix();
  switch (m_direction) {
  case LEFT:
    canvas.rotate(270.0f, 0.0f, 0.0f, -1.0f);
    break;
  case RIGHT:
    canvas.rotate(90.0f, 0.0f, 0.0f, -1.0f);
    break;
  case DOWN_ARROW:
    canvas.translate(1.0f, -1.0f);
    canvas.rotate(180.0f, 0.0f, 0.0f, -1.0f);
    break;
  default:
    break;
  }
  const math::Vector2 corners[3] = {math::Vector2(-6.0f, -4.0f), math::Vector2(6.0f, -4.0f),
                                    math::Vector2(0.0f, 4.0f)};
  const math::Color ink(0.0f, 0.0f, 0.0f, 0.75f);
  const math::Color inks[3] = {ink, ink, ink};
  drawStrip(canvas, corners, inks, 3);
  canvas.popMatrix();
}

} // namespace GUI
