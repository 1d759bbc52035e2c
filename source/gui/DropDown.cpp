#include "gui/DropDown.h"

#include "gui/DictionaryRead.h"
#include "gui/DropDownListener.h"
#include "gui/Page.h"
#include "input/InputEvent.h"
#include "text/Font.h"
#include "text/FontFactory.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

#include <algorithm>

namespace GUI {

namespace {

// The box is one fixed height whatever the item spacing.
constexpr float BOX_HEIGHT = 17.0f;

const math::Color face(0.94f, 0.93f, 0.87f, 1.0f);
const math::Color edge(0.54f, 0.53f, 0.48f, 1.0f);
const math::Color shadow(0.0f, 0.0f, 0.0f, 0.3f);
const math::Color white(1.0f, 1.0f, 1.0f, 1.0f);
const math::Color highlightEdge(0.19f, 0.42f, 0.77f, 1.0f);
const math::Color highlight(0.76f, 0.82f, 0.93f, 1.0f);

math::Rectangle grown(math::Rectangle r, float by) {
  r.set(r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by);
  return r;
}

math::Rectangle moved(math::Rectangle r, float dx, float dy) {
  r.translate(math::Vector2(dx, dy));
  return r;
}

} // namespace

DropDown::DropDown() : m_onChange(0) {
  m_format.alignment = math::Vector2(0.0f, 0.5f);
  m_format.color = math::Color(0.0f, 0.0f, 0.0f, 1.0f);
}

math::Rectangle DropDown::boxRectangle() const {
  math::Rectangle r;
  r.set(-5.0f, -m_spacing / 2, m_width, BOX_HEIGHT);
  return r;
}

math::Rectangle DropDown::listRectangle() const {
  math::Rectangle box = boxRectangle();
  math::Rectangle r;
  r.set(box.x, m_flipped ? box.y + BOX_HEIGHT : box.y - m_listHeight, m_width, m_listHeight);
  return r;
}

math::Rectangle DropDown::localRectangle() const { return grown(boxRectangle(), 2.0f); }

float DropDown::itemCentre(uint32_t i) const {
  float offset = float(i + 1) * m_spacing;
  return m_flipped ? offset : -offset;
}

float DropDown::textWidth(const String &text) const {
  return m_font ? m_font->stringWidth(text) : 0.0f;
}

void DropDown::setItems(const container::Vector<String> &items) {
  m_items = items;
  measure();
}

void DropDown::setFont(Symbol name) {
  FontFactory *fonts = FontFactory::current();
  m_font = fonts ? fonts->font(name) : nullptr;
  m_format.setFont(m_font);
}

void DropDown::measure() {
  float widest = textWidth(m_text);
  for (const String &item : m_items)
    widest = std::max(widest, textWidth(item));
  float width = 10.0f + widest;
  m_listHeight = m_spacing * float(m_items.size());
  if (width != m_width) {
    m_width = width;
    requestLayout();
  }
}

void DropDown::open() {
  if (!hasPage())
    return;
  m_isOpen = true;
  m_hover = -1;
  page()->capturePointer(this);
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->opened(this);
}

void DropDown::close() {
  m_isOpen = false;
  m_hover = -1;
  if (hasPage())
    page()->releasePointer(this);
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->closed(this);
}

void DropDown::fireChange() {
  if (m_onChange.count() != 0)
    spawnScript(m_onChange);
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->changed(this);
}

void DropDown::choose() {
  m_text = m_items[uint32_t(m_hover)];
  fireChange();
}

void DropDown::update(float dt) {
  Widget::update(dt);
  math::Vector2 p = toScreen(math::Vector2());
  m_flipped = p.y - (float(m_items.size()) + 0.5f) * m_spacing < 0;
}

bool DropDown::onPointerDown(const framework::InputEvent &event) {
  math::Vector2 local = fromScreen(framework::pointerPosition(event));
  if (m_isOpen) {
    if (listRectangle().contains(local) && m_hover >= 0)
      choose();
    close();
    return true;
  }
  if (!boxRectangle().contains(local))
    return false;
  open();
  return true;
}

bool DropDown::onPointerUp(const framework::InputEvent &event) {
  if (!m_isOpen)
    return false;
  if (m_hover >= 0) {
    choose();
    close();
    return true;
  }
  math::Vector2 local = fromScreen(framework::pointerPosition(event));
  if (!listRectangle().contains(local) && !boxRectangle().contains(local))
    close();
  return false;
}

bool DropDown::onPointerMove(const framework::InputEvent &event) {
  if (!m_isOpen)
    return false;
  math::Vector2 local = fromScreen(framework::pointerPosition(event));
  if (local.x <= boxRectangle().x || local.x >= m_width)
    return true;
  for (uint32_t i = 0; i < m_items.size(); ++i) {
    float top = m_flipped ? (float(i) + 1.5f) * m_spacing : -(float(i) + 0.5f) * m_spacing;
    float bottom = top - m_spacing;
    if (bottom < local.y && local.y <= top) {
      m_hover = int(i);
      break;
    }
  }
  return true;
}

void DropDown::load(const quip::Dictionary &d) {
  Widget::load(d);
  readValue(d, SYM(L"spacing"), m_spacing);
  readString(d, SYM(L"text"), m_text);
  if (const quip::Token *items = typedValue(d, SYM(L"items"), quip::TYPE_ARRAY)) {
    const quip::Array &list = items->array();
    m_items.clear();
    for (uint32_t i = 0; i < list.count(); ++i) {
      const quip::Token &element = list[i];
      if (element.isString())
        m_items.push(element.string());
      else if (element.isSymbol())
        m_items.push(String(element.symbol().text()));
      else
        m_items.push(element.toString());
    }
  }
  if (const quip::Token *font = typedValue(d, SYM(L"font"), quip::TYPE_SYMBOL))
    setFont(font->symbol());
  readCode(d, SYM(L"onChange"), m_onChange);
  if (const quip::Token *expand = d.lookup(SYM(L"expand")); expand && expand->toBool())
    open();
  measure();
}

void DropDown::write(quip::Dictionary &d) const {
  Widget::write(d);
  d.set(SYM(L"text"), quip::Token(m_text));
}

void DropDown::drawText(video::Canvas &canvas, const String &text, math::Vector2 at) {
  canvas.pushMatrix();
  canvas.translate(at);
  m_format.draw(canvas, text);
  canvas.popMatrix();
}

void DropDown::draw(video::Canvas &canvas) {
  if (m_isOpen)
    return;
  math::Rectangle box = boxRectangle();
  canvas.fillRect(box, face, video::BLEND_NORMAL);
  canvas.strokeRect(box, 1.0f, edge);
  drawText(canvas, m_text, math::Vector2(box.x + 5.0f, box.y + box.height / 2));
}

void DropDown::drawOverlay(video::Canvas &canvas) {
  if (!m_isOpen)
    return;
  const int blend = video::BLEND_NORMAL;
  math::Rectangle box = boxRectangle(), list = listRectangle();
  canvas.fillRect(moved(box, 2.0f, -2.0f), shadow, blend);
  canvas.fillRect(moved(list, 2.0f, -2.0f), shadow, blend);
  canvas.fillRect(grown(box, 1.0f), edge, blend);
  canvas.fillRect(box, face, blend);
  drawText(canvas, m_text, math::Vector2(box.x + 5.0f, box.y + box.height / 2));
  canvas.fillRect(grown(list, 1.0f), edge, blend);
  canvas.fillRect(list, white, blend);
  for (uint32_t i = 0; i < m_items.size(); ++i) {
    float centre = itemCentre(i);
    if (int(i) == m_hover) {
      canvas.fillRect(list.x + 1.0f, centre - m_spacing / 2, m_width - 2.0f, m_spacing,
                      highlightEdge, blend);
      canvas.fillRect(list.x + 2.0f, centre - m_spacing / 2 + 1.0f, m_width - 4.0f,
                      m_spacing - 2.0f, highlight, blend);
    }
    drawText(canvas, m_items[i], math::Vector2(0.0f, centre));
  }
}

} // namespace GUI
