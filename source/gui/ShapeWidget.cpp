#include "gui/ShapeWidget.h"

#include "gui/DatabaseKey.h"
#include "shape/Shape.h"
#include "shape/ShapeManager.h"
#include "video/Canvas.h"

namespace GUI {

ShapeWidget::~ShapeWidget() { delete m_shape; }

void ShapeWidget::setShape(shape::Shape *shape) {
  if (shape == m_shape)
    return;
  delete m_shape;
  m_shape = shape;
}

void ShapeWidget::update(float dt) {
  Widget::update(dt);
  if (m_shape && (m_scrollTexture.x != 0.0f || m_scrollTexture.y != 0.0f))
    m_shape->offsetUVs(m_scrollTexture);
}

void ShapeWidget::draw(video::Canvas &canvas) {
  if (!m_shape)
    return;
  canvas.pushMatrix();
  canvas.scale(m_scale.x, m_scale.y);
  canvas.pushColor();
  canvas.multiplyColor(m_color);
  m_shape->render(canvas);
  canvas.popColor();
  canvas.popMatrix();
}

math::Rectangle ShapeWidget::localRectangle() const {
  if (!m_shape)
    return math::Rectangle();
  math::Rectangle r = m_shape->boundingRectangle();
  r.scale(m_scale);
  return r;
}

void ShapeWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  Database *database = databaseOf(d);
  if (const quip::Token *name = typedValue(d, SYM(L"shape"), quip::TYPE_SYMBOL)) {
    shape::ShapeManager *shapes = database ? shape::ShapeManager::of(*database) : nullptr;
    setShape(shapes ? shapes->instantiate(name->symbol()) : nullptr);
  }
  readValue(d, SYM(L"color"), m_color);
  readValue(d, SYM(L"scale"), m_scale);
  readValue(d, SYM(L"scrollTexture"), m_scrollTexture);
}

} // namespace GUI
