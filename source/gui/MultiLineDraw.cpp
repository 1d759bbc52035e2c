#include "gui/MultiLine.h"

#include "gui/ClipViewport.h"
#include "math/Scalar.h"
#include "text/FontFactory.h"
#include "text/TextFormat.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

namespace GUI {

namespace {

const math::Color outline(0.7f, 0.7f, 0.7f, 1.0f);
const math::Color separator(0.5f, 0.5f, 0.5f, 1.0f);
const math::Color selectedEdge(0.3f, 0.3f, 0.7f, 1.0f);
const math::Color selectedFace(0.7f, 0.7f, 1.0f, 1.0f);

} // namespace

void MultiLine::draw(video::Canvas &canvas) {
  const int blend = video::BLEND_NORMAL;
  math::Rectangle window = windowRectangle();
  canvas.strokeRect(window, 2.0f, outline);
  canvas.fillRect(window, math::Color::white, blend);

  math::Rectangle clip = window;
  clip.translate(toScreen(math::Vector2()));
  clip.x = float(math::round(clip.x));
  clip.y = float(math::round(clip.y));
  ClipViewport viewport;
  viewport.push(canvas, clip);

  FontFactory *fonts = FontFactory::current();
  Font *font = fonts ? fonts->font(SYM(L"fontSystemWhite")) : nullptr;
  text::TextFormat format(font);
  float textX = 0.0f;
  if (m_align == LEFT) {
    textX = -m_windowSize.x / 2 + 5.0f;
    format.alignment = math::Vector2(0.0f, 0.5f);
  } else if (m_align == RIGHT) {
    textX = m_windowSize.x / 2 - 5.0f;
    format.alignment = math::Vector2(1.0f, 0.5f);
  }
  for (uint32_t i = 0; i < m_contents.size(); ++i) {
    math::Rectangle r = lineRectangle(i);
    if (r.y > 0.0f || r.y + r.height < -m_windowSize.y)
      continue;
    canvas.drawLine(math::Vector2(r.x, r.y), math::Vector2(r.x + r.width, r.y), separator, 1.0f,
                    false, blend);
    if (int(i) == m_selection) {
      canvas.fillRect(r, selectedEdge, blend);
      canvas.fillRect(r.x + 1.0f, r.y + 1.0f, r.width - 2.0f, r.height - 2.0f, selectedFace, blend);
    }
    if (!font)
      continue;
    format.color = i < m_colors.size() ? m_colors[i] : math::Color::black;
    canvas.pushMatrix();
    canvas.translate(math::Vector2(textX, r.y + r.height / 2));
    format.draw(canvas, m_contents[i]);
    canvas.popMatrix();
  }
  viewport.pop(canvas);
}

} // namespace GUI
