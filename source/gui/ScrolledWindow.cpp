#include "gui/ScrolledWindow.h"

#include "gui/DictionaryRead.h"
#include "gui/KeptParts.h"
#include "gui/Slider.h"
#include "gui/WidgetRegistry.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

#include <algorithm>

namespace GUI {

namespace {

// The sliders' thickness, and the room each takes from the view.
constexpr float BAR = 20.0f;

float unit(float p) { return p > 0.0f ? std::min(p, 1.0f) : 0.0f; }

// How far the view must move along one axis to hold the span [start,
// start + size]: the far edge wins.
float overhang(float start, float size, float viewStart, float viewSize) {
  float move = 0;
  if (start < viewStart)
    move = start - viewStart;
  if (start + size > viewStart + viewSize)
    move = start + size - (viewStart + viewSize);
  return move;
}

// The percent after the view moved that far over the scroll range.
float movedPercent(float percent, float move, float content, float view) {
  float range = std::max(0.0f, content - view);
  return range > 0 ? unit(percent + move / range) : percent;
}

int alignFromSymbol(Symbol name) {
  static const Symbol names[] = {SYM(L"left"),   SYM(L"right"),  SYM(L"top"),
                                 SYM(L"bottom"), SYM(L"center"), SYM(L"none")};
  for (int i = 0; i < 6; ++i)
    if (names[i] == name)
      return i;
  return ScrolledWindow::CENTER;
}

} // namespace

ScrolledWindow::ScrolledWindow(Slider *horizontal, Slider *vertical)
    : m_horizontalSlider(horizontal), m_verticalSlider(vertical), m_contents(new Widget) {
  setSizeToChildren(false);
  m_horizontalSlider->setListener(this);
  m_verticalSlider->setListener(this);
  m_horizontalSlider->setAlignment(Slider::HORIZONTAL);
  m_verticalSlider->setAlignment(Slider::VERTICAL);
  addChild(m_contents);
  addChild(m_horizontalSlider);
  addChild(m_verticalSlider);
}

void ScrolledWindow::setColors(const math::Color &color, const math::Color &borderColor) {
  m_color = color;
  m_borderColor = borderColor;
}

void ScrolledWindow::setEnableSliders(bool horizontal, bool vertical) {
  m_enableSliderH = horizontal;
  m_enableSliderV = vertical;
}

void ScrolledWindow::setAlign(int horizontal, int vertical) {
  m_alignH = horizontal;
  m_alignV = vertical;
}

math::Rectangle ScrolledWindow::view() const {
  const math::Rectangle &r = layoutRect();
  float bottom = r.y + (m_horizontalSlider->visible() ? BAR : 0.0f);
  float right = r.x + r.width - (m_verticalSlider->visible() ? BAR : 0.0f);
  math::Rectangle v;
  v.set(r.x, bottom, right - r.x, r.y + r.height - bottom);
  return v;
}

void ScrolledWindow::setScroll(math::Vector2 p, bool updateSliders, bool notify) {
  m_percent = math::Vector2(unit(p.x), unit(p.y));
  const math::Rectangle &cb = m_contents->layoutRect();
  math::Rectangle v = view();
  // At (0, 0) the top-left corners meet, at (1, 1) the bottom-right ones.
  float x = (v.x - cb.x) - (cb.width - v.width) * m_percent.x;
  float y = (v.y + v.height - (cb.y + cb.height)) + (cb.height - v.height) * m_percent.y;
  m_contents->setPosition(math::Vector2(x, y));
  if (updateSliders)
    setSlidersToPercent();
  if (notify)
    for (uint32_t i = 0; i < m_scrollListeners.size(); ++i)
      m_scrollListeners[i]->scrolled(this);
}

void ScrolledWindow::setSlidersToPercent() {
  m_horizontalSlider->setPercent(m_percent.x);
  m_verticalSlider->setPercent(m_percent.y);
}

void ScrolledWindow::decideSliders() {
  float cw = m_contents->layoutRect().width, ch = m_contents->layoutRect().height;
  float w = layoutRect().width, h = layoutRect().height;
  bool needH = cw > 0 && cw > w && m_enableSliderH;
  bool needV = ch > 0 && ch > h && m_enableSliderV;
  // One slider takes room from the other axis.
  if (needV && !needH)
    needH = m_enableSliderH && cw > 0 && cw + BAR > w;
  else if (needH && !needV)
    needV = m_enableSliderV && ch > 0 && ch + BAR > h;
  float viewW = needV ? w - BAR : w, viewH = needH ? h - BAR : h;

  if (needH) {
    if (!m_horizontalSlider->visible())
      setScroll(math::Vector2(0.0f, m_percent.y), false, false);
    m_horizontalSlider->setVisible(true);
    m_horizontalSlider->setPercentVisible(viewW / cw);
  } else {
    m_horizontalSlider->setVisible(false);
    float place[] = {0.0f, 1.0f, -1.0f, -1.0f, 0.5f, -1.0f};
    if (m_alignH >= 0 && m_alignH <= NONE && place[m_alignH] >= 0) {
      m_percent.x = place[m_alignH];
      setScroll(m_percent, false, false);
    }
  }
  if (needV) {
    if (!m_verticalSlider->visible())
      setScroll(math::Vector2(m_percent.x, 0.0f), false, false);
    m_verticalSlider->setVisible(true);
    m_verticalSlider->setPercentVisible(viewH / ch);
  } else {
    m_verticalSlider->setVisible(false);
    float place[] = {-1.0f, -1.0f, 0.0f, 1.0f, 0.5f, -1.0f};
    if (m_alignV >= 0 && m_alignV <= NONE && place[m_alignV] >= 0) {
      m_percent.y = place[m_alignV];
      setScroll(m_percent, false, false);
    }
  }
}

// Each slider's layout rectangle follows its new extent at once, so that
// its track answers clicks before the next layout.
void ScrolledWindow::placeSliders() {
  float w = layoutRect().width, h = layoutRect().height;
  bool hShown = m_horizontalSlider->visible(), vShown = m_verticalSlider->visible();
  m_verticalSlider->setPosition(math::Vector2(w / 2 - BAR / 2, hShown ? BAR / 2 : 0.0f));
  m_verticalSlider->setExtent(hShown ? h / 2 - BAR / 2 : h / 2);
  m_verticalSlider->setLayoutRect(m_verticalSlider->localRectangle());
  m_horizontalSlider->setPosition(math::Vector2(vShown ? -BAR / 2 : 0.0f, BAR / 2 - h / 2));
  m_horizontalSlider->setExtent(vShown ? w / 2 - BAR / 2 : w / 2);
  m_horizontalSlider->setLayoutRect(m_horizontalSlider->localRectangle());
}

void ScrolledWindow::update(float dt) {
  Widget::update(dt);
  if (!visible())
    return;
  decideSliders();
  placeSliders();
}

void ScrolledWindow::requestLayout() {
  Widget::requestLayout();
  decideSliders();
  placeSliders();
  setScroll(m_percent, true, true);
}

void ScrolledWindow::onLayoutApplied() {
  decideSliders();
  placeSliders();
  setScroll(m_percent, true, false);
  Widget::onLayoutApplied();
}

void ScrolledWindow::setSize(math::Vector2 size) {
  m_size = size;
  Widget::requestLayout();
  decideSliders();
  placeSliders();
  setSlidersToPercent();
}

void ScrolledWindow::addToContents(Widget *widget) { m_contents->addChild(widget); }

void ScrolledWindow::removeFromContents(Widget *widget) { m_contents->removeChild(widget); }

float ScrolledWindow::pageOf(const Slider *slider) const {
  math::Rectangle v = view();
  bool horizontal = slider == m_horizontalSlider;
  float content = horizontal ? m_contents->layoutRect().width : m_contents->layoutRect().height;
  float shown = horizontal ? v.width : v.height;
  if (content == 0.0f || shown <= 0.0f)
    return 0.0f;
  return unit(shown / content);
}

void ScrolledWindow::page(Slider *slider, float direction) {
  math::Vector2 p(m_horizontalSlider->percent(), m_verticalSlider->percent());
  float step = direction * pageOf(slider);
  if (slider == m_horizontalSlider)
    p.x = unit(m_percent.x + step);
  else
    p.y = unit(m_percent.y + step);
  setScroll(p, true, true);
}

void ScrolledWindow::pageBack(Slider *slider) { page(slider, -1.0f); }

void ScrolledWindow::pageForward(Slider *slider) { page(slider, 1.0f); }

void ScrolledWindow::sliderMoved(Slider *) {
  setScroll(math::Vector2(m_horizontalSlider->percent(), m_verticalSlider->percent()), false, true);
}

// The percent that puts the contents at their position less the offset.
Widget *ScrolledWindow::scrollBy(math::Vector2 offset) {
  const math::Rectangle &cb = m_contents->layoutRect();
  math::Rectangle v = view();
  math::Vector2 target = m_contents->position() - offset;
  float rangeX = cb.width - v.width, rangeY = cb.height - v.height;
  math::Vector2 p;
  p.x = rangeX > 0 ? ((v.x - cb.x) - target.x) / rangeX : 0.0f;
  p.y = rangeY > 0 ? (target.y - (v.y + v.height - (cb.y + cb.height))) / rangeY : 0.0f;
  setScroll(p, true, true);
  return this;
}

Widget *ScrolledWindow::scrollIntoView(const math::Rectangle &rectangle, bool horizontal,
                                       bool vertical) {
  math::Rectangle v = view();
  v.translate(toScreen(math::Vector2()));
  if (v.width <= 0 || v.height <= 0)
    return this;
  math::Rectangle r = rectangle;
  if (r.width > v.width)
    r.width = v.width;
  if (r.height > v.height) {
    r.y += r.height - v.height;
    r.height = v.height;
  }
  const math::Rectangle &cb = m_contents->layoutRect();
  math::Vector2 p = m_percent;
  if (horizontal)
    p.x = movedPercent(p.x, overhang(r.x, r.width, v.x, v.width), cb.width, v.width);
  // The vertical percent grows downward.
  if (vertical)
    p.y = movedPercent(p.y, -overhang(r.y, r.height, v.y, v.height), cb.height, v.height);
  setScroll(p, true, true);
  return this;
}

math::Rectangle ScrolledWindow::clipRectangle() const {
  math::Rectangle clip = Widget::clipRectangle();
  return m_useScissor ? math::Rectangle::intersection(clip, screenClipRectangle(*this)) : clip;
}

void ScrolledWindow::draw(video::Canvas &canvas) {
  if (m_color.a != 0.0f)
    canvas.fillRect(layoutRect(), m_color, video::BLEND_NORMAL);
  if (m_useScissor)
    m_viewport.push(canvas, screenClipRectangle(*this));
}

void ScrolledWindow::drawAfterChildren(video::Canvas &canvas) {
  m_viewport.pop(canvas);
  const math::Rectangle &r = layoutRect();
  if (m_borderColor.a != 0.0f)
    canvas.strokeRect(r, 2.0f, m_borderColor);
  if (m_horizontalSlider->visible() && m_verticalSlider->visible())
    canvas.fillRect(r.x + r.width - BAR, r.y, BAR, BAR,
                    math::Color(m_borderColor.r, m_borderColor.g, m_borderColor.b, 1.0f),
                    video::BLEND_NORMAL);
}

void ScrolledWindow::load(const quip::Dictionary &d) {
  Widget::load(keptParts(d, *this));
  readValue(d, SYM(L"size"), m_size);
  if (const quip::Token *names = typedValue(d, SYM(L"contents"), quip::TYPE_ARRAY)) {
    m_contents->destroyChildren();
    const quip::Array &list = names->array();
    for (uint32_t i = 0; i < list.count(); ++i) {
      Symbol name;
      if (list[i].get(name))
        if (Widget *widget = WidgetRegistry::instance()->take(name))
          addToContents(widget);
    }
    setScroll(math::Vector2(), true, true);
  }
  math::Vector2 p;
  if (const quip::Token *percent = d.lookup(SYM(L"percent")); percent && percent->get(p))
    setScroll(p, true, false);
  readValue(d, SYM(L"color"), m_color);
  readValue(d, SYM(L"borderColor"), m_borderColor);
  readTruth(d, SYM(L"enableSliderH"), m_enableSliderH);
  readTruth(d, SYM(L"enableSliderV"), m_enableSliderV);
  if (const quip::Token *h = typedValue(d, SYM(L"alignH"), quip::TYPE_SYMBOL))
    m_alignH = alignFromSymbol(h->symbol());
  if (const quip::Token *v = typedValue(d, SYM(L"alignV"), quip::TYPE_SYMBOL))
    m_alignV = alignFromSymbol(v->symbol());
  readTruth(d, SYM(L"useScissor"), m_useScissor);
  decideSliders();
  placeSliders();
  setSlidersToPercent();
}

void ScrolledWindow::write(quip::Dictionary &d) const {
  Widget::write(d);
  quip::Token percent;
  quip::toToken(m_percent, percent);
  d.set(SYM(L"percent"), percent);
}

} // namespace GUI
