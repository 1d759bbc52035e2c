#include "gui/ScrimWidget.h"

#include "file/Database.h"
#include "gui/DictionaryRead.h"
#include "video/Canvas.h"
#include "video/Quad3D.h"
#include "video/RenderKeywords.h"
#include "video/Window.h"

namespace GUI {

void ScrimWidget::setCutout(Symbol texture, math::Vector2 position, math::Vector2 size,
                            const math::Color &color) {
  m_cutoutTexture = texture;
  m_cutoutPosition = position;
  m_cutoutSize = size;
  m_cutoutColor = color;
}

void ScrimWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  readValue(d, SYM(L"color"), m_color);
  readSymbol(d, SYM(L"cutoutTexture"), m_cutoutTexture);
  readValue(d, SYM(L"cutoutPosition"), m_cutoutPosition);
  readValue(d, SYM(L"cutoutSize"), m_cutoutSize);
  readValue(d, SYM(L"cutoutColor"), m_cutoutColor);
}

// In screen coordinates, wherever the widget stands.
void ScrimWidget::draw(video::Canvas &canvas) {
  math::Vector2 origin = toScreen(math::Vector2());
  canvas.pushMatrix();
  canvas.translate(-origin.x, -origin.y);
  if (m_cutoutTexture == Symbol::emptySymbol())
    drawScrim(canvas, m_color);
  else
    drawScrimWithCutOut(canvas, m_color, m_cutoutTexture, m_cutoutPosition, m_cutoutSize,
                        m_cutoutColor);
  canvas.popMatrix();
}

void drawScrim(video::Canvas &canvas, const math::Color &scrimColor) {
  canvas.fillRect(video::Window::screenRectangle(), scrimColor, video::BLEND_NORMAL);
}

void drawScrimWithCutOut(video::Canvas &canvas, const math::Color &scrimColor, Symbol texture,
                         const math::Vector2 &centre, const math::Vector2 &size,
                         const math::Color &cutOutColor) {
  math::Vector2 screen = video::Window::screenSize();
  float x0 = centre.x - size.x / 2, x1 = centre.x + size.x / 2;
  float y0 = centre.y - size.y / 2, y1 = centre.y + size.y / 2;
  video::Quad3D quad;
  video::RenderPass &pass = quad.renderPass();
  pass.lit = false;
  pass.cull = false;
  pass.depthTest = false;
  pass.depthWrite = false;
  if (Database *database = Database::current())
    pass.setTextureByName(*database, texture);
  pass.color = cutOutColor;
  math::Rectangle hole;
  hole.set(x0, y0, x1 - x0, y1 - y0);
  quad.setRectangle(hole);
  quad.render(canvas);
  const int blend = video::BLEND_NORMAL;
  canvas.fillRect(0, y1, screen.x, screen.y - y1, scrimColor, blend);
  canvas.fillRect(0, y0, x0, y1 - y0, scrimColor, blend);
  canvas.fillRect(x1, y0, screen.x - x1, y1 - y0, scrimColor, blend);
  canvas.fillRect(0, 0, screen.x, y0, scrimColor, blend);
  canvas.flush();
}

} // namespace GUI
