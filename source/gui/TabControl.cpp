#include "gui/TabControl.h"

#include "error/Report.h"
#include "gui/DictionaryRead.h"
#include "gui/LayoutKeywords.h"
#include "gui/TabDivider.h"
#include "gui/TabLabel.h"
#include "gui/TabLabelBox.h"
#include "gui/TabPanel.h"
#include "gui/WidgetRegistry.h"

namespace GUI {

TabControl::TabControl(TabLabelBox *labelBox, TabDivider *divider, TabPanel *panel)
    : m_labelBox(labelBox), m_divider(divider), m_panel(panel) {
  labelBox->setControl(this);
  panel->setControl(this);
  setHLayout(keywordIndex(KeywordTable::H_LAYOUT, SYM(L"left")));
  setVLayout(keywordIndex(KeywordTable::V_LAYOUT, SYM(L"packTop")));
  labelBox->setExpand(true, false);
  divider->setExpand(true, false);
  panel->setExpand(true, true);
  addChild(labelBox);
  addChild(divider);
  addChild(panel);
}

bool TabControl::hasLabel(uint32_t index) const {
  return m_labelBox && index < m_labelBox->labelCount();
}

void TabControl::selectTab(uint32_t index) {
  m_hasSelection = true;
  m_selected = index;
  if (m_panel) {
    const container::Vector<Widget *> &views = m_panel->children();
    for (uint32_t j = 0; j < views.size(); ++j)
      views[j]->setVisible(j == index);
  }
  if (hasLabel(index))
    m_labelBox->label(index)->visible = true;
}

void TabControl::showTab(uint32_t index) {
  if (hasLabel(index))
    m_labelBox->label(index)->visible = true;
  if (!m_hasSelection)
    selectTab(index);
}

void TabControl::hideTab(uint32_t index) {
  if (hasLabel(index))
    m_labelBox->label(index)->visible = false;
  if (m_hasSelection && m_selected == index) {
    m_hasSelection = false;
    selectFirstVisible();
  }
}

void TabControl::selectFirstVisible() {
  int first = m_labelBox ? m_labelBox->firstVisible() : -1;
  if (first >= 0)
    selectTab(uint32_t(first));
}

// A name the registry does not hold is skipped, so every view stays a real
// widget.
void TabControl::loadViews(const quip::Array &names) {
  m_panel->destroyChildren();
  WidgetRegistry *registry = WidgetRegistry::instance();
  for (uint32_t i = 0; i < names.count(); ++i) {
    Symbol name;
    Widget *view = names[i].get(name) ? registry->take(name) : nullptr;
    if (view) {
      m_panel->addChild(view);
      continue;
    }
    framework::reportWarning(__FILE__, __LINE__, __func__,
                             String(L"Tab control ") + this->name().text() +
                                 L": no widget for view " + names[i].toString() + L", skipped");
  }
}

void TabControl::load(const quip::Dictionary &d) {
  Widget::load(d);
  readValue(d, SYM(L"tabSize"), m_tabSize);
  if (const quip::Token *tabs = typedValue(d, SYM(L"tabs"), quip::TYPE_ARRAY); tabs && m_labelBox) {
    m_labelBox->loadLabels(tabs->array());
    m_hasSelection = false;
  }
  if (const quip::Token *views = typedValue(d, SYM(L"views"), quip::TYPE_ARRAY); views && m_panel) {
    loadViews(views->array());
    m_hasSelection = false;
  }
  if (!m_hasSelection)
    selectFirstVisible();
}

void TabControl::onChildRemoved(Widget *child) {
  if (child == m_labelBox)
    m_labelBox = nullptr;
  if (child == m_divider)
    m_divider = nullptr;
  if (child == m_panel)
    m_panel = nullptr;
}

void TabControl::render(video::Canvas &canvas) {
  if (!shouldRender())
    return;
  bool animated = false;
  beginRender(canvas, animated);
  draw(canvas);
  if (m_labelBox)
    m_labelBox->renderTabs(canvas, m_hasSelection ? int(m_selected) : -1);
  if (m_panel) {
    m_panel->render(canvas);
    m_panel->renderOverlay(canvas);
  }
  if (m_divider)
    m_divider->render(canvas);
  if (m_hasSelection && m_labelBox)
    m_labelBox->renderSelectedTab(canvas, m_selected);
  drawAfterChildren(canvas);
  endRender(canvas, animated);
}

} // namespace GUI
