#include "gui/MultiLine.h"

#include "gui/LayoutKeywords.h"
#include "gui/MultiLineListener.h"
#include "gui/Slider.h"
#include "gui/SliderArrow.h"
#include "gui/SliderHandle.h"
#include "math/Scalar.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"
#include "quip/Token.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

namespace GUI {

MultiLine::MultiLine()
    : m_onSelect(0), m_onDeselect(0), m_onDoubleClick(0),
      m_slider(new Slider(new SliderHandle, new SliderArrow, new SliderArrow)) {
  setKeyboardFocusable(true);
  m_slider->setListener(this);
  m_slider->setAlign(keywordIndex(KeywordTable::H_ALIGN, SYM(L"right")),
                     keywordIndex(KeywordTable::V_ALIGN, SYM(L"center")));
  m_slider->setAlignment(Slider::VERTICAL);
  addChild(m_slider);
}

// A line step of 0 would divide by zero: such a list shows no line.
uint32_t MultiLine::visibleCount() const {
  if (m_contents.isEmpty() || m_itemOffset == 0.0f)
    return 0;
  return uint32_t(std::trunc(std::abs(m_windowSize.y / m_itemOffset)));
}

uint32_t MultiLine::scrollable() const {
  uint32_t visible = visibleCount();
  return m_contents.size() > visible ? m_contents.size() - visible : 0;
}

float MultiLine::visibleFraction() const {
  return m_contents.isEmpty() ? 0.0f : float(visibleCount()) / float(m_contents.size());
}

float MultiLine::scrollOffset() const {
  return float(math::round(-m_itemOffset * float(scrollable()) * m_percent));
}

math::Rectangle MultiLine::lineRectangle(uint32_t index) const {
  math::Rectangle r;
  r.set(-m_windowSize.x / 2, scrollOffset() + float(index + 1) * m_itemOffset, m_windowSize.x,
        -m_itemOffset);
  return r;
}

math::Rectangle MultiLine::windowRectangle() const {
  math::Rectangle r;
  r.set(-m_windowSize.x / 2, -m_windowSize.y, m_windowSize.x, m_windowSize.y);
  return r;
}

math::Rectangle MultiLine::localRectangle() const {
  math::Rectangle r = windowRectangle();
  r.set(r.x - 1.0f, r.y - 1.0f, r.width + 2.0f, r.height + 2.0f);
  return r;
}

void MultiLine::setWindowSize(math::Vector2 size) {
  m_windowSize = size;
  // The slider runs the window's height.
  m_slider->setExtent(size.y / 2);
}

void MultiLine::runNow(const quip::Array &code) {
  if (code.count() == 0)
    return;
  if (quip::Interpreter *script = spawnScript(code))
    script->scriptManager()->finish(script);
}

void MultiLine::select(int index) {
  if (index >= 0 && uint32_t(index) < m_contents.size() && m_selectable) {
    m_selection = index;
    runNow(m_onSelect);
  } else {
    m_selection = -1;
    runNow(m_onDeselect);
  }
  // Indexed: a listener may add another while being told.
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->selectionChanged(this);
}

void MultiLine::clear() {
  select(-1);
  m_contents.clear();
}

void MultiLine::reselect(int oldSelection) {
  if (m_selectable) {
    select(std::min(std::max(0, oldSelection), int(m_contents.size()) - 1));
    scrollToSelection();
  }
  refreshSlider();
}

void MultiLine::setContents(const quip::Array &lines) {
  int old = m_selection;
  clear();
  m_colors.clear();
  for (uint32_t i = 0; i < lines.count(); ++i) {
    const quip::Token &element = lines[i];
    if (element.isString())
      m_contents.push(element.string());
    else if (element.isSymbol())
      m_contents.push(String(element.symbol().text()));
    else
      m_contents.push(element.toString());
  }
  reselect(old);
}

void MultiLine::setContents(const container::Vector<String> &lines,
                            const container::Vector<math::Color> *colors) {
  int old = m_selection;
  clear();
  m_colors.clear();
  if (colors)
    m_colors = *colors;
  for (const String &text : lines)
    m_contents.push(text);
  reselect(old);
}

void MultiLine::setContents(const container::Vector<Symbol> &lines) {
  int old = m_selection;
  clear();
  m_colors.clear();
  for (Symbol name : lines)
    m_contents.push(String(name.text()));
  reselect(old);
}

void MultiLine::setPercent(float percent) {
  m_percent = std::clamp(percent, 0.0f, 1.0f);
  m_slider->setPercent(m_percent);
}

// A window that shows no whole line (not sized yet, as while the keys are
// read before "windowSize") has nothing to scroll into view.
void MultiLine::scrollToSelection() {
  uint32_t scroll = scrollable();
  if (m_selection < 0 || m_contents.isEmpty() || scroll == 0 || visibleCount() == 0)
    return;
  float selection = float(m_selection);
  float visible = float(visibleCount());
  if (selection / float(scroll) < m_percent)
    setPercent(selection / float(scroll));
  else if (visible <= selection && m_percent < (selection + 1.0f - visible) / float(scroll))
    setPercent((selection + 1.0f - visible) / float(scroll));
}

void MultiLine::pageBack(Slider *) { setPercent(std::max(0.0f, m_percent - visibleFraction())); }

void MultiLine::pageForward(Slider *) { setPercent(std::min(1.0f, m_percent + visibleFraction())); }

void MultiLine::sliderMoved(Slider *slider) { setPercent(slider->percent()); }

void MultiLine::pageDown() {
  if (m_contents.isEmpty())
    return;
  select(std::min(int(m_contents.size()) - 1, m_selection + int(visibleCount())));
  scrollToSelection();
}

void MultiLine::pageUp() {
  if (m_contents.isEmpty())
    return;
  select(std::max(0, m_selection - int(visibleCount())));
  scrollToSelection();
}

bool MultiLine::selectByPrefix(const String &text) {
  int best = -1;
  uint32_t bestLength = 0;
  for (uint32_t i = 0; i < m_contents.size(); ++i) {
    const String &line = m_contents[i];
    uint32_t n = 0;
    while (n < text.length() && n < line.length() &&
           std::towlower(wint_t(text[n])) == std::towlower(wint_t(line[n])))
      ++n;
    if (n > bestLength) {
      bestLength = n;
      best = int(i);
    }
  }
  if (best < 0)
    return false;
  select(best);
  scrollToSelection();
  return true;
}

void MultiLine::removeListener(MultiLineListener *listener) {
  for (uint32_t i = 0; i < m_listeners.size(); ++i) {
    if (m_listeners[i] == listener) {
      m_listeners.removeAt(i);
      return;
    }
  }
}

void MultiLine::refreshSlider() {
  m_slider->setPercent(m_percent);
  float shown = m_contents.isEmpty() ? 1.0f : float(visibleCount()) / float(m_contents.size());
  if (!m_contents.isEmpty() && shown < 1.0f) {
    m_slider->setVisible(true);
    m_slider->setPercentVisible(shown);
  } else {
    m_slider->setVisible(false);
  }
}

void MultiLine::update(float dt) {
  Widget::update(dt);
  m_typedTimer -= dt;
  if (m_typedTimer <= 0.0f)
    m_typed.resize(0);
  refreshSlider();
}

} // namespace GUI
