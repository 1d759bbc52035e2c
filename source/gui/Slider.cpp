#include "gui/Slider.h"

#include "gui/BevelFrame.h"
#include "gui/DictionaryRead.h"
#include "gui/KeptParts.h"
#include "gui/SliderArrow.h"
#include "gui/SliderHandle.h"
#include "gui/SliderListener.h"
#include "input/InputEvent.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

#include <algorithm>
#include <cmath>

namespace GUI {

namespace {

// The handle is this thick across the axis and at least this long along it.
constexpr float HANDLE_THICKNESS = 18.0f;
constexpr float HANDLE_MIN_LENGTH = 32.0f;

// NaN reads as 0.
float unit(float p) { return p > 0.0f ? std::min(p, 1.0f) : 0.0f; }

} // namespace

Slider::Slider(SliderHandle *handle, SliderArrow *backArrow, SliderArrow *forwardArrow)
    : m_handle(handle), m_backArrow(backArrow), m_forwardArrow(forwardArrow), m_onMove(0) {
  m_handle->setSlider(this);
  addChild(m_handle);
  m_backArrow->addListener(this);
  m_forwardArrow->addListener(this);
  m_backArrow->setDirection(SliderArrow::UP);
  m_forwardArrow->setDirection(SliderArrow::DOWN_ARROW);
  addChild(m_backArrow);
  addChild(m_forwardArrow);
}

float Slider::handleLength() const {
  return std::max(HANDLE_MIN_LENGTH, 2.0f * (m_extent - arrowSize()) * m_percentVisible);
}

float Slider::travel() const { return (m_extent - arrowSize()) - handleLength() / 2.0f; }

math::Rectangle Slider::localRectangle() const {
  return m_alignment == VERTICAL ? math::Rectangle(20.0f, 2.0f * m_extent, true)
                                 : math::Rectangle(2.0f * m_extent, 20.0f, true);
}

math::Rectangle Slider::handleRectangle() const {
  return m_alignment == VERTICAL ? math::Rectangle(HANDLE_THICKNESS, handleLength(), true)
                                 : math::Rectangle(handleLength(), HANDLE_THICKNESS, true);
}

float Slider::percent() const {
  float l = travel();
  if (m_extent == 0.0f || l == 0.0f)
    return 0.0f;
  math::Vector2 at = m_handle->position();
  float along = m_alignment == VERTICAL ? l - at.y : l + at.x;
  return std::abs(std::max(0.0f, std::min(2.0f * l, along))) / (2.0f * l);
}

void Slider::setPercent(float p) {
  p = unit(p);
  float l = travel(), a = arrowSize();
  if (m_alignment == VERTICAL) {
    m_handle->setPosition(math::Vector2(0.0f, l - 2.0f * p * l));
    m_handle->setLimits(0.0f, 0.0f, -l, l);
    m_backArrow->setPosition(math::Vector2(0.0f, m_extent - a / 2.0f));
    m_forwardArrow->setPosition(math::Vector2(0.0f, a / 2.0f - m_extent));
  } else {
    m_handle->setPosition(math::Vector2(2.0f * p * l - l, 0.0f));
    m_handle->setLimits(-l, l, 0.0f, 0.0f);
    m_backArrow->setPosition(math::Vector2(a / 2.0f - m_extent, 0.0f));
    m_forwardArrow->setPosition(math::Vector2(m_extent - a / 2.0f, 0.0f));
  }
  if (m_fitHandleHitArea)
    m_handle->rectangle() = handleRectangle();
}

void Slider::setPercentVisible(float visible) {
  float p = percent();
  m_percentVisible = visible;
  setPercent(p);
}

void Slider::setExtent(float extent) {
  float p = percent();
  m_extent = extent;
  setPercent(p);
}

void Slider::setAlignment(int alignment) {
  float p = percent();
  m_alignment = alignment;
  setArrowDirections();
  setPercent(p);
}

void Slider::setArrowDirections() {
  bool vertical = m_alignment == VERTICAL;
  m_backArrow->setDirection(vertical ? SliderArrow::UP : SliderArrow::LEFT);
  m_forwardArrow->setDirection(vertical ? SliderArrow::DOWN_ARROW : SliderArrow::RIGHT);
}

void Slider::setShowArrows(bool show) {
  m_showArrows = show;
  m_backArrow->setVisible(show);
  m_forwardArrow->setVisible(show);
}

void Slider::handleMoved() {
  if (m_listener)
    m_listener->sliderMoved(this);
  if (m_onMove.count() == 0)
    return;
  if (quip::Interpreter *script = spawnScript(SYM(L"onMove"), m_onMove)) {
    script->push(quip::Token(percent()));
    script->scriptManager()->finish(script);
  }
}

void Slider::down(Button *button) {
  if (button == m_backArrow || button == m_forwardArrow)
    arrowDown(static_cast<SliderArrow *>(button));
}

// Not onMove: only drags of the handle run it.
void Slider::arrowDown(SliderArrow *arrow) {
  float track = 2.0f * (m_extent - arrowSize()) - HANDLE_MIN_LENGTH;
  if (track <= 0.0f)
    return;
  float step = 10.0f / track;
  setPercent(unit(percent() + (arrow == m_backArrow ? -step : step)));
  if (m_listener)
    m_listener->sliderMoved(this);
}

// A click on the track pages; the handle stays where it is.
bool Slider::onPointerDown(const framework::InputEvent &event) {
  math::Vector2 screen = framework::pointerPosition(event);
  if (!layoutContains(screen))
    return false;
  if (m_listener) {
    math::Vector2 local = fromScreen(screen), at = m_handle->position();
    bool before = m_alignment == VERTICAL ? local.y > at.y : local.x < at.x;
    if (before)
      m_listener->pageBack(this);
    else
      m_listener->pageForward(this);
  }
  return true;
}

bool Slider::onPointerMove(const framework::InputEvent &event) {
  return layoutContains(framework::pointerPosition(event));
}

void Slider::load(const quip::Dictionary &d) {
  Widget::load(keptParts(d, *this));
  readCode(d, SYM(L"onMove"), m_onMove);
  if (const quip::Token *alignment = typedValue(d, SYM(L"alignment"), quip::TYPE_SYMBOL)) {
    Symbol name = alignment->symbol();
    if (name == SYM(L"horizontal") || name == SYM(L"vertical")) {
      m_alignment = name == SYM(L"vertical") ? VERTICAL : HORIZONTAL;
      setArrowDirections();
    }
  }
  if (const quip::Token *show = d.lookup(SYM(L"showArrows")))
    setShowArrows(show->toBool());
  readValue(d, SYM(L"extent"), m_extent);
  float percent = 0, visible = 0;
  const quip::Token *p = d.lookup(SYM(L"percent"));
  bool hasPercent = p && p->get(percent);
  if (hasPercent)
    setPercent(percent);
  if (const quip::Token *v = d.lookup(SYM(L"percentVisible")); v && v->get(visible)) {
    setPercentVisible(visible);
    // Placed before the handle had room to travel, the percent read 0.
    if (hasPercent)
      setPercent(percent);
  }
}

void Slider::write(quip::Dictionary &d) const {
  Widget::write(d);
  d.set(SYM(L"percent"), quip::Token(percent()));
}

// Sunken: the light and dark colours exchanged.
void Slider::drawTrack(video::Canvas &canvas) {
  const math::Color grey(0.7f, 0.7f, 0.7f, 1.0f), dark(0.2f, 0.2f, 0.2f, 1.0f),
      white(1.0f, 1.0f, 1.0f, 1.0f);
  math::Rectangle r = localRectangle();
  canvas.fillRect(r, grey, video::BLEND_NORMAL);
  drawBevelFrame(canvas, r, 2.0f, dark, grey, white, true);
}

} // namespace GUI
