#include "gui/TabLabelBox.h"

#include "gui/TabControl.h"
#include "gui/TabLabel.h"
#include "input/InputEvent.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

namespace GUI {

TabLabelBox::~TabLabelBox() { deleteLabels(); }

void TabLabelBox::deleteLabels() {
  for (TabLabel *label : m_labels)
    delete label;
  m_labels.clear();
  m_hovering = false;
}

TabLabel *TabLabelBox::createLabel(const quip::Dictionary &dictionary) {
  auto *label = new TabLabel;
  label->load(dictionary);
  return label;
}

void TabLabelBox::loadLabels(const quip::Array &tabs) {
  deleteLabels();
  for (uint32_t i = 0; i < tabs.count(); ++i)
    m_labels.push(createLabel(tabs[i].isDictionary() ? tabs[i].dictionary() : quip::Dictionary()));
}

math::Vector2 TabLabelBox::tabSize() const {
  return m_control ? m_control->tabSize() : math::Vector2();
}

math::Vector2 TabLabelBox::tabCentre(uint32_t index) const {
  float width = tabSize().x;
  float x = width / 2;
  for (uint32_t j = 0; j < index && j < m_labels.size(); ++j)
    if (m_labels[j]->visible)
      x += width;
  return math::Vector2(x, 0.0f);
}

math::Rectangle TabLabelBox::tabRectangle(uint32_t index) const {
  math::Rectangle r(tabSize(), true);
  r.translate(tabCentre(index));
  return r;
}

int TabLabelBox::firstVisible() const {
  for (uint32_t i = 0; i < m_labels.size(); ++i)
    if (m_labels[i]->visible)
      return int(i);
  return -1;
}

// Hidden labels are not looked at: a hidden last label still stands where
// it would show.
math::Rectangle TabLabelBox::localRectangle() const {
  if (m_labels.isEmpty())
    return math::Rectangle();
  math::Rectangle r = tabRectangle(0);
  r.include(tabRectangle(m_labels.size() - 1));
  return r;
}

void TabLabelBox::update(float dt) {
  for (uint32_t i = 0; i < m_labels.size(); ++i) {
    m_labels[i]->update();
    m_labels[i]->setPosition(tabCentre(i));
  }
  Widget::update(dt);
}

bool TabLabelBox::onPointerMove(const framework::InputEvent &event) {
  math::Vector2 local = fromScreen(framework::pointerPosition(event));
  m_hovering = false;
  for (uint32_t i = 0; i < m_labels.size(); ++i) {
    if (m_labels[i]->visible && tabRectangle(i).contains(local)) {
      m_hover = i;
      m_hovering = true;
      break;
    }
  }
  return false;
}

bool TabLabelBox::onPointerDown(const framework::InputEvent &) {
  if (!m_hovering || !m_control)
    return false;
  m_control->selectTab(m_hover);
  return true;
}

void TabLabelBox::drawTab(video::Canvas &canvas, uint32_t index, bool hover, bool selected) {
  TabLabel *label = m_labels[index];
  if (!label->visible)
    return;
  math::Color fill = hover      ? math::Color(1.0f, 1.0f, 1.0f, 1.0f)
                     : selected ? math::Color(0.9f, 0.9f, 0.9f, 1.0f)
                                : math::Color(0.5f, 0.5f, 0.5f, 1.0f);
  canvas.fillRect(tabRectangle(index), fill, video::BLEND_NORMAL);
  label->render(canvas, hover, selected);
}

void TabLabelBox::renderTabs(video::Canvas &canvas, int skipped) {
  if (!visible())
    return;
  bool animated = false;
  beginRender(canvas, animated);
  draw(canvas);
  for (uint32_t i = 0; i < m_labels.size(); ++i)
    if (int(i) != skipped)
      drawTab(canvas, i, m_hovering && i == m_hover, false);
  endRender(canvas, animated);
}

void TabLabelBox::renderSelectedTab(video::Canvas &canvas, uint32_t index) {
  if (!visible() || index >= m_labels.size())
    return;
  bool animated = false;
  beginRender(canvas, animated);
  drawTab(canvas, index, false, true);
  endRender(canvas, animated);
}

} // namespace GUI
