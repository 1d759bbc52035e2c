#include "particle/Scrim.h"

#include "file/Database.h"
#include "math/Color.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "texture/TextureManager.h"
#include "video/Canvas.h"
#include "video/Quad3D.h"
#include "video/RenderKeywords.h"
#include "video/RenderPass.h"
#include "video/Window.h"

namespace {

void fill(video::Canvas &canvas, video::Quad3D &quad, float x0, float y0, float x1, float y1) {
  math::Rectangle r;
  r.set(x0, y0, x1 - x0, y1 - y0);
  quad.setRectangle(r);
  canvas.drawQuad3D(quad);
}

} // namespace

void drawScrim(video::Canvas &canvas, const math::Color &scrimColor) {
  math::Vector2 screen = video::Window::screenSize();
  canvas.fillRect(0.0f, 0.0f, screen.x, screen.y, scrimColor, video::BLEND_NORMAL);
}

void drawScrimWithCutOut(video::Canvas &canvas, const math::Color &scrimColor, Symbol texture,
                         const math::Vector2 &center, const math::Vector2 &size,
                         const math::Color &cutOutColor) {
  math::Vector2 screen = video::Window::screenSize();
  float x0 = center.x - size.x / 2, x1 = center.x + size.x / 2;
  float y0 = center.y - size.y / 2, y1 = center.y + size.y / 2;

  video::Quad3D quad;
  video::RenderPass &pass = quad.renderPass();
  pass.lit = false;
  pass.cull = false;
  pass.depthTest = false;
  pass.depthWrite = false;
  Database *database = Database::current();
  TextureManager *textures = database ? TextureManager::of(*database) : nullptr;
  pass.texture = textures ? textures->getTexture(texture) : nullptr;
  for (int i = 0; i < 4; ++i)
    quad.color(i) = cutOutColor;
  fill(canvas, quad, x0, y0, x1, y1);

  pass.texture = nullptr;
  for (int i = 0; i < 4; ++i)
    quad.color(i) = scrimColor;
  fill(canvas, quad, 0.0f, y1, screen.x, screen.y);
  fill(canvas, quad, 0.0f, y0, x0, y1);
  fill(canvas, quad, x1, y0, screen.x, y1);
  fill(canvas, quad, 0.0f, 0.0f, screen.x, y0);
  canvas.flush();
}
