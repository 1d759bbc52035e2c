#pragma once
// Shows one of several views under a row of labelled tabs; a click on a tab
// shows its view. Made of three children stacked from the top: the row of
// tabs, a divider and the panel of views. The selected tab is drawn last,
// over the divider; the others under the panel.

#include "gui/Widget.h"
#include "math/Vector2.h"

namespace GUI {

class TabDivider;
class TabLabelBox;
class TabPanel;

class TabControl : public Widget {
public:
  // Takes the three as its children.
  TabControl(TabLabelBox *labelBox, TabDivider *divider, TabPanel *panel);

  void render(video::Canvas &canvas) override;
  // "tabSize", "tabs", "views"; then the first visible tab is selected
  // unless a selection survived.
  void load(const quip::Dictionary &dictionary) override;
  void onChildRemoved(Widget *child) override;

  // Shows view i alone and makes its label visible.
  void selectTab(uint32_t index);
  void showTab(uint32_t index);
  // A hidden selected tab passes the selection to the first visible one.
  void hideTab(uint32_t index);

  math::Vector2 tabSize() const { return m_tabSize; }
  void setTabSize(math::Vector2 size) { m_tabSize = size; }
  TabLabelBox *labelBox() const { return m_labelBox; }
  TabDivider *divider() const { return m_divider; }
  TabPanel *panel() const { return m_panel; }
  bool hasSelection() const { return m_hasSelection; }
  uint32_t selected() const { return m_selected; }

private:
  void selectFirstVisible();
  void loadViews(const quip::Array &names);
  bool hasLabel(uint32_t index) const;

  math::Vector2 m_tabSize;
  TabLabelBox *m_labelBox;
  TabDivider *m_divider;
  TabPanel *m_panel;
  bool m_hasSelection = false;
  uint32_t m_selected = 0;
};

} // namespace GUI
