#include "gui/Spline2DWidget.h"

#include "error/Report.h"
#include "file/Database.h"
#include "gui/DictionaryRead.h"
#include "math/Spline2D.h"
#include "video/Canvas.h"

#include <algorithm>

namespace GUI {

Spline2DWidget::~Spline2DWidget() { delete m_spline; }

void Spline2DWidget::setSpline(math::Spline2D *spline) {
  if (spline == m_spline)
    return;
  delete m_spline;
  m_spline = spline;
}

void Spline2DWidget::beginReveal(float speed, float buffer) {
  m_revealSpeed = speed;
  m_revealBuffer = buffer;
  m_effect = REVEAL;
  m_format.fadeOutStart = 0.0f;
  m_format.fadeOutEnd = buffer;
}

void Spline2DWidget::removeEffect() {
  m_effect = NONE;
  m_format.fadeOutStart = 1.0f;
  m_format.fadeOutEnd = 1.0f;
}

void Spline2DWidget::update(float dt) {
  Widget::update(dt);
  m_format.advanceTime(dt);
  if (m_effect == REVEAL) {
    m_format.fadeOutStart = std::min(1.0f, m_format.fadeOutStart + dt * m_revealSpeed);
    m_format.fadeOutEnd = std::min(1.0f, m_format.fadeOutStart + m_revealBuffer);
  }
}

void Spline2DWidget::draw(video::Canvas &canvas) {
  if (m_spline)
    canvas.drawSpline(*m_spline, m_format, false);
}

math::Rectangle Spline2DWidget::localRectangle() const {
  return m_spline ? m_spline->boundingRectangle() : math::Rectangle();
}

// Both numbers of "beginReveal" are required: without them the action is
// reported and nothing changes.
void Spline2DWidget::runAction(const quip::Dictionary &action) {
  Symbol method;
  readSymbol(action, SYM(L"method"), method);
  if (method == SYM(L"beginReveal")) {
    const quip::Token *speed = typedValue(action, SYM(L"revealSpeed"), quip::TYPE_NUMBER);
    const quip::Token *buffer = typedValue(action, SYM(L"revealBuffer"), quip::TYPE_NUMBER);
    if (!speed || !buffer) {
      framework::reportWarning(__FILE__, __LINE__, __func__,
                               L"beginReveal needs the numbers revealSpeed and revealBuffer");
      return;
    }
    beginReveal(speed->number(), buffer->number());
  } else if (method == SYM(L"removeEffect")) {
    removeEffect();
  }
}

void Spline2DWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  if (const quip::Token *spline = typedValue(d, SYM(L"spline"), quip::TYPE_DICTIONARY))
    setSpline(math::createSpline2D(spline->dictionary()));
  if (const quip::Token *format = typedValue(d, SYM(L"format"), quip::TYPE_DICTIONARY)) {
    if (Database *database = Database::current())
      m_format.read(*database, format->dictionary());
  }
  Symbol effect;
  readSymbol(d, SYM(L"effect"), effect);
  if (effect == SYM(L"none"))
    m_effect = NONE;
  else if (effect == SYM(L"reveal"))
    m_effect = REVEAL;
  readValue(d, SYM(L"revealSpeed"), m_revealSpeed);
  readValue(d, SYM(L"revealBuffer"), m_revealBuffer);
  if (const quip::Token *action = typedValue(d, SYM(L"action"), quip::TYPE_DICTIONARY))
    runAction(action->dictionary());
}

} // namespace GUI
